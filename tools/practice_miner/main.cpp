// practice_miner: builds the practice library from the engine's own solving
// runs. Every position the rating loop passes through is a candidate for the
// strategy of its next move; the puzzles of a corpus folder come first, then
// puzzles generated from a seed. Strategies too rare to meet that way are
// also looked for in variants of the advanced positions: a few possibilities
// that are not the solution's removed at random. Such a position is still
// sound and still has its one solution, and its next move is often another.
//
//   practice_miner [--per N] [--generated N] [--variants N] [--seed S]
//                  [--jobs N] [--from LIBRARY] [--extended] [--extended-per N]
//                  CORPUS_DIR OUT
//
// A strategy still short after the puzzles gets variants of the positions
// kept for its family (the rows one finder reports), a few wrong
// possibilities removed at random, kept when its move is still next; the
// variants join the seeds. --from starts from a library instead of mining,
// and only adds such variants. Avoidable rectangle (type 2), which no mined
// position shows, is built into the positions of the rows after it.
// --extended also mines the extended rows (45-55): the positions of the
// corpus puzzles on which the standard rows get stuck, where the extended
// search moves first, at most --extended-per of them (default 25: each is
// also shown through a random symmetry), then variants of them like the
// standard rows' until each has that many; the rows of --from are kept
// without it.
//
// Keeps at most N distinct positions per strategy (default 75), stops when
// every strategy has them or the puzzles run out (status 1 when a strategy
// has fewer than 60), and writes OUT. Puzzles are worked on in batches whose
// results are merged in input order, so the file depends on the options
// alone, never on the number of threads.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/console_platform.h"
#include "cli/puzzle_reader.h"
#include "game/generator.h"
#include "game/position_text.h"
#include "game/practice_library.h"
#include "model/busy_manager.h"
#include "model/n_solutions.h"
#include "model/state.h"
#include "strategy/extended/extended_table.h"
#include "strategy/move.h"
#include "strategy/strategy.h"

namespace {

using namespace vantry;

constexpr int kMinimum = 60;
constexpr int kBatch = 48;
constexpr int kMaxSteps = 400;
// Avoidable rectangle (type 2): no mined position has one, so it is built.
constexpr int kAvoidableType2 = 35;

struct Options {
  int per = 75;
  int extended_per = 25;
  long generated = 200000;
  int variants = 4;
  unsigned seed = 1;
  int jobs = 2;
  bool extended = false;
  std::string corpus;
  std::string out;
  std::string from;
};

struct Found {
  int n;
  std::string text;
};

// What one puzzle gave, in the order it was found.
using Finds = std::vector<Found>;

std::uint32_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>(z ^ (z >> 31));
}

// An avoidable rectangle of type 2 built into a position s on which the rows
// up to it find nothing: A and B answered in one line, C and D across from
// them spanning two boxes with the solution putting B's answer in C (or A's
// in D) and a third digit x in the other. C and D keep only {b, x} and
// {a, x}, the rest of their possibilities (all wrong) removed; x must be left
// in a cell that sees both. A or B given becomes the player's answer; when
// the givens left have more than one solution, the other answers become
// givens. found receives every such variant on which the rectangle is the
// engine's next move and whose givens have one solution.
template <typename Found>
void build_avoidable(Strategy& engine, SolutionCounter& counter, const State& s, const int* solution, Found found) {
  const auto at = [](int r, int c) { return r * 9 + c; };
  const auto answered = [&](int i) { return s.cell(i / 9, i % 9).answer != 0; };
  const auto open = [&](int i, int d) { return s.cell(i / 9, i % 9).is_possible(d); };
  // The puzzle of variant's givens alone has one solution.
  const auto givens_unique = [&](const State& variant) {
    State puzzle;
    for (int i = 0; i < 81; ++i) {
      if (variant.cell(i / 9, i % 9).given)
        puzzle.set_answer_and_solution(i / 9, i % 9, variant.cell(i / 9, i % 9).answer);
    }
    return counter.n_solutions(puzzle) == 1;
  };
  for (int a = 0; a < 81; ++a) {
    if (!answered(a)) continue;
    for (int across = 0; across < 2; ++across) {
      // across 0: B to the right of A, C and D below or above in their columns;
      // across 1: B below A, C and D beside them in their rows.
      for (int k = (across == 0 ? a % 9 : a / 9) + 1; k < 9; ++k) {
        const int b = across == 0 ? at(a / 9, k) : at(k, a % 9);
        if (!answered(b)) continue;
        for (int i = 0; i < 9; ++i) {
          const int c = across == 0 ? at(i, a % 9) : at(a / 9, i);
          const int d = across == 0 ? at(i, b % 9) : at(b / 9, i);
          if (c == a ||
              !(box_of(a / 9, a % 9) == box_of(b / 9, b % 9) || box_of(a / 9, a % 9) == box_of(c / 9, c % 9))) {
            continue;
          }
          const int va = solution[a], vb = solution[b];
          const int x = solution[c] == vb ? solution[d] : solution[d] == va ? solution[c] : 0;
          if (x == 0 || x == va || x == vb || !open(c, vb) || !open(c, x) || !open(d, va) || !open(d, x)) continue;
          State variant = s;
          for (int digit = 1; digit <= 9; ++digit) {
            if (digit != vb && digit != x && open(c, digit)) variant.delete_possibility(c / 9, c % 9, digit);
            if (digit != va && digit != x && open(d, digit)) variant.delete_possibility(d / 9, d % 9, digit);
          }
          const bool demoted = variant.cell(a / 9, a % 9).given || variant.cell(b / 9, b % 9).given;
          variant.cell(a / 9, a % 9).given = false;
          variant.cell(b / 9, b % 9).given = false;
          if (demoted && !givens_unique(variant)) {
            // The other answers become givens, the puzzle the position shows.
            for (int j = 0; j < 81; ++j) {
              if (j != a && j != b && variant.cell(j / 9, j % 9).answer != 0) variant.cell(j / 9, j % 9).given = true;
            }
            if (!givens_unique(variant)) continue;
          }
          if (practice_move_holds(engine, variant, kAvoidableType2)) found(variant);
        }
      }
    }
  }
}

// One thread's engine, counter and random numbers.
struct Worker {
  ConsolePlatform platform;
  BusyManager busy{platform};
  Strategy engine{busy};
  SolutionCounter counter{busy};
  Random random;

  Worker() { platform.set_quiet(true); }

  // A minimal puzzle from seed, one given at a time removed while unique.
  bool generate(std::uint32_t seed, State& s) {
    random.seed(seed);
    s = State();
    if (!fill_random_grid(s, random)) return false;
    remove_givens(s, counter, random, false, kAsymmetricCandidates);
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (s.cell(r, c).answer == 0) s.set_solution(r, c, 0);
      }
    }
    s.mark_givens();
    return true;
  }

  // The candidates of s for the wanted strategies.
  void mine(State s, std::uint32_t seed, const std::vector<bool>& wanted, Finds& finds) {
    counter.set_record_solution(true);
    State probe = s;
    if (counter.n_solutions(probe) != 1) return;
    int solution[81];
    for (int i = 0; i < 81; ++i) solution[i] = counter.solution_text()[i] - '0';
    random.seed(seed);
    std::vector<int> taken(static_cast<std::size_t>(strategy_count()) + 1, 0);
    const auto keep = [&](int n, const State& at, int limit) {
      if (n < 1 || n > strategy_count() || !wanted[static_cast<std::size_t>(n)]) return;
      if (taken[static_cast<std::size_t>(n)] >= limit) return;
      ++taken[static_cast<std::size_t>(n)];
      finds.push_back({n, position_text(at)});
    };
    const auto look = [&](const State& at, int limit) {
      Move move;
      const int n = engine.find(at, true, move);
      keep(n, at, limit);
      for (int own = 1; own <= strategy_count(); ++own) {
        if (!reached_only_by_own_finder(own) || !wanted[static_cast<std::size_t>(own)] || n == own) continue;
        if (n == kNoMove || strategy_row(n).level != strategy_row(own).level) continue;
        const StrategyRow& row = strategy_row(own);
        Move found;
        if (row.finder(busy, own, at, row.argument, found) == own && found.same_changes(move)) keep(own, at, limit);
      }
      return std::make_pair(n, move);
    };
    for (int step = 0; step < kMaxSteps && !s.is_solved(); ++step) {
      const auto [n, move] = look(s, 1);
      if (n == kNoMove || n < 1 || n > strategy_count()) return;
      if (strategy_row(n).level >= 2) {
        vary(s, solution, look);
        build_quads(s, solution, look);
      }
      const std::string before = position_text(s);
      move.apply_to(s);
      if (position_text(s) == before) return;
    }
  }

  // The positions of s where the standard rows find nothing and the extended
  // search moves first, at most two for each extended row, over the first
  // few extended moves of its solving run (the first moves are the ones a
  // player meets). The extended finders are walked here rather than by the
  // engine so that the walk can stop after the last row still wanted: the
  // dynamic forcing chains, tried last, take almost all of the time on the
  // hardest puzzles, and once their row is full a position only they can
  // move on ends the run. The row found is the one the whole search would
  // find, since the finders before it are the same.
  void mine_extended(State s, const std::vector<bool>& wanted, Finds& finds) {
    constexpr int kExtendedMoves = 6;
    int last_wanted = 0;
    for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n) {
      if (wanted[static_cast<std::size_t>(n)]) last_wanted = n;
    }
    int taken[kAllRowsEnd] = {};
    int extended_moves = 0;
    for (int step = 0; step < kMaxSteps && !s.is_solved() && extended_moves < kExtendedMoves; ++step) {
      Move move;
      const int n = next_move_up_to(s, last_wanted, move);
      if (n == kNoMove) break;
      extended_moves += is_extended_row(n) ? 1 : 0;
      if (is_extended_row(n) && wanted[static_cast<std::size_t>(n)] && taken[n] < 2) {
        ++taken[n];
        finds.push_back({n, position_text(s)});
      }
      const std::string before = position_text(s);
      move.apply_to(s);
      if (position_text(s) == before) break;
    }
  }

  // The engine's next move on s with the extended search on, as long as it is
  // a standard row or an extended row up to last; kNoMove otherwise.
  int next_move_up_to(const State& s, int last, Move& move) {
    int n = engine.find(s, true, move);
    for (int e = kFirstExtendedRow; n == kNoMove && e <= last; ++e) {
      if (const int r = extended_row(e).finder(busy, e, s, 0, move); r != 0) n = r;
    }
    return n;
  }

  // Variants of an advanced position: a few wrong possibilities removed.
  template <typename Look>
  void vary(const State& s, const int* solution, Look& look) {
    for (int v = 0; v < variants; ++v) {
      State variant = s;
      const int removals = 1 + random.next(3);
      for (int k = 0; k < removals; ++k) {
        int wrong[81 * 9];
        int count = 0;
        for (int i = 0; i < 81; ++i) {
          for (int d = 1; d <= 9; ++d) {
            if (variant.cell(i / 9, i % 9).is_possible(d) && d != solution[i]) wrong[count++] = i * 10 + d;
          }
        }
        if (count == 0) break;
        const int pick = wrong[random.next(count)];
        variant.delete_possibility(pick / 10 / 9, pick / 10 % 9, pick % 10);
      }
      look(variant, 3);
    }
  }

  // Quads are met rarely because a smaller subset or fish, found first, makes
  // the same removals unless the unit (or the digit) is still wholly open:
  // such a position gets a hidden quad, and a jellyfish, built into it by
  // removing wrong possibilities around four chosen cells (rows).
  template <typename Look>
  void build_quads(const State& s, const int* solution, Look& look) {
    for (int v = 0; v < 2; ++v) {
      // A hidden quad in a unit with no answer.
      const int kind = random.next(3);
      const int index = random.next(9);
      int cells[9];
      int open = 0;
      for (int k = 0; k < 9; ++k) {
        const int i = unit_cell(kind, index, k);
        if (s.cell(i / 9, i % 9).answer == 0) cells[open++] = i;
      }
      if (open == 9) {
        State variant = s;
        for (int k = 8; k > 0; --k) std::swap(cells[k], cells[random.next(k + 1)]);
        for (int k = 4; k < 9; ++k) {
          for (int q = 0; q < 4; ++q) {
            const int d = solution[cells[q]];
            if (variant.cell(cells[k] / 9, cells[k] % 9).is_possible(d))
              variant.delete_possibility(cells[k] / 9, cells[k] % 9, d);
          }
        }
        look(variant, 3);
      }
      // A jellyfish of a digit not yet placed in its rows.
      const int d = 1 + random.next(9);
      int rows[9];
      int free_rows = 0;
      for (int r = 0; r < 9; ++r) {
        bool placed = false;
        for (int c = 0; c < 9; ++c) placed = placed || s.cell(r, c).answer == d;
        if (!placed) rows[free_rows++] = r;
      }
      if (free_rows < 8) continue;
      for (int k = free_rows - 1; k > 0; --k) std::swap(rows[k], rows[random.next(k + 1)]);
      // The four rows keep d only in the four columns their solution puts it in.
      bool in_columns[9] = {};
      for (int q = 0; q < 4; ++q) {
        for (int c = 0; c < 9; ++c) in_columns[c] = in_columns[c] || solution[rows[q] * 9 + c] == d;
      }
      State variant = s;
      for (int q = 0; q < 4; ++q) {
        for (int c = 0; c < 9; ++c) {
          if (!in_columns[c] && variant.cell(rows[q], c).is_possible(d)) variant.delete_possibility(rows[q], c, d);
        }
      }
      look(variant, 3);
    }
  }

  // The k-th cell (row * 9 + column) of a row (kind 0), column (1) or box (2).
  static int unit_cell(int kind, int index, int k) {
    if (kind == 0) return index * 9 + k;
    if (kind == 1) return k * 9 + index;
    return (index / 3 * 3 + k / 3) * 9 + index % 3 * 3 + k % 3;
  }

  int variants = 4;
};

// The puzzles of the corpus folder, files in name order, one a line.
std::vector<std::string> corpus_puzzles(const std::string& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<std::string> puzzles;
  for (const auto& file : files) {
    std::ifstream in(file);
    PuzzleReader reader(in);
    std::vector<PuzzleRecord> batch;
    while (reader.read(batch, 256)) {
      for (const PuzzleRecord& r : batch) {
        if (r.error.empty()) puzzles.emplace_back(r.cells, 81);
      }
      batch.clear();
    }
  }
  return puzzles;
}

bool parse_options(int argc, char** argv, Options& o) {
  std::vector<std::string> operands;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const auto number = [&](auto& value) {
      if (i + 1 >= argc) return false;
      const std::string_view v = argv[++i];
      return std::from_chars(v.data(), v.data() + v.size(), value).ec == std::errc();
    };
    bool ok = true;
    if (a == "--per") ok = number(o.per);
    else if (a == "--generated") ok = number(o.generated);
    else if (a == "--variants") ok = number(o.variants);
    else if (a == "--seed") ok = number(o.seed);
    else if (a == "--jobs") ok = number(o.jobs);
    else if (a == "--from" && i + 1 < argc) o.from = argv[++i];
    else if (a == "--extended") o.extended = true;
    else if (a == "--extended-per") ok = number(o.extended_per);
    else operands.emplace_back(a);
    if (!ok) return false;
  }
  if (operands.size() != 2 || o.jobs < 1 || o.per < 1 || o.extended_per < 1) return false;
  o.corpus = operands[0];
  o.out = operands[1];
  return true;
}

// The first and one past the last table number of n's family: the row of the
// finder that reports n and the rows after it without a finder of their own.
std::pair<int, int> family_of(int n) {
  int first = n;
  while (first > 1 && strategy_row(first).finder == nullptr) --first;
  int end = first + 1;
  while (end <= strategy_count() && strategy_row(end).finder == nullptr) ++end;
  return {first, end};
}

// Variants of the kept positions of n's family until n has per of them.
void amplify(Worker& w, int n, int per, std::uint32_t seed, std::vector<std::vector<std::string>>& kept,
             std::set<std::string>& seen) {
  auto& list = kept[static_cast<std::size_t>(n)];
  std::vector<std::string> seeds;
  const auto [first, end] = family_of(n);
  for (int m = first; m < end; ++m) {
    for (const std::string& text : kept[static_cast<std::size_t>(m)]) seeds.push_back(text);
  }
  if (seeds.empty()) return;
  w.random.seed(seed);
  w.counter.set_record_solution(true);
  // An extended row's check stops after its own finder (the forcing chains
  // after it are slow), and it gets fewer attempts.
  const bool extended = is_extended_row(n);
  const long attempts = (extended ? 40L : 400L) * per;
  for (long a = 0; a < attempts && static_cast<int>(list.size()) < per; ++a) {
    State variant;
    read_position(seeds[static_cast<std::size_t>(a) % seeds.size()], variant);
    State probe = variant;
    if (w.counter.n_solutions(probe) != 1) continue;
    const char* solution = w.counter.solution_text();
    const int removals = 1 + w.random.next(3);
    for (int k = 0; k < removals; ++k) {
      std::vector<int> wrong;
      for (int i = 0; i < 81; ++i) {
        for (int d = 1; d <= 9; ++d) {
          if (variant.cell(i / 9, i % 9).is_possible(d) && d != solution[i] - '0') wrong.push_back(i * 10 + d);
        }
      }
      if (wrong.empty()) break;
      const int pick = wrong[static_cast<std::size_t>(w.random.next(static_cast<int>(wrong.size())))];
      variant.delete_possibility(pick / 10 / 9, pick / 10 % 9, pick % 10);
    }
    Move move;
    if (extended ? w.next_move_up_to(variant, n, move) != n : !practice_move_holds(w.engine, variant, n)) continue;
    std::string text = position_text(variant);
    if (!seen.insert(text).second) continue;
    list.push_back(text);
    seeds.push_back(std::move(text));
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse_options(argc, argv, o)) {
    std::cerr << "usage: practice_miner [--per N] [--generated N] [--variants N] [--seed S] [--jobs N] "
                 "[--from LIBRARY] [--extended] [--extended-per N] CORPUS_DIR OUT\n";
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const std::vector<std::string> corpus = o.from.empty() ? corpus_puzzles(o.corpus) : std::vector<std::string>();
  const long total = o.from.empty() ? static_cast<long>(corpus.size()) + o.generated : 0;
  const int strategies = strategy_count();

  std::vector<std::vector<std::string>> kept(static_cast<std::size_t>(kAllRowsEnd));
  std::set<std::string> seen;
  std::vector<Worker> workers(static_cast<std::size_t>(o.jobs));
  for (Worker& w : workers) w.variants = o.variants;
  if (!o.from.empty()) {
    PracticeLibrary library;
    if (const std::string reason = library.read_file(o.from); !reason.empty()) {
      std::cerr << "practice_miner: " << reason << '\n';
      return 1;
    }
    for (int n = 1; n <= kLastExtendedRow; ++n) {
      for (const std::string& text : library.positions(n)) {
        if (seen.insert(text).second) kept[static_cast<std::size_t>(n)].push_back(text);
      }
    }
  }

  const auto missing = [&] {
    std::vector<bool> wanted(static_cast<std::size_t>(strategies) + 1, false);
    for (int n = 1; n <= strategies; ++n)
      wanted[static_cast<std::size_t>(n)] = static_cast<int>(kept[static_cast<std::size_t>(n)].size()) < o.per;
    return wanted;
  };

  long next = 0;
  for (std::vector<bool> wanted = missing();
       next < total && std::find(wanted.begin() + 1, wanted.end(), true) != wanted.end(); wanted = missing()) {
    const long end = std::min(total, next + kBatch);
    std::vector<Finds> results(static_cast<std::size_t>(end - next));
    std::atomic<long> claim{next};
    std::vector<std::thread> threads;
    for (Worker& w : workers) {
      threads.emplace_back([&, first = next] {
        for (long i = claim++; i < end; i = claim++) {
          const std::uint32_t seed = mix((static_cast<std::uint64_t>(o.seed) << 32) + static_cast<std::uint64_t>(i));
          State s;
          if (i < static_cast<long>(corpus.size())) {
            for (int k = 0; k < 81; ++k) {
              const char ch = corpus[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
              if (ch != '.') s.set_answer_and_solution(k / 9, k % 9, ch - '0');
            }
            s.mark_givens();
          } else if (!w.generate(seed, s)) {
            continue;
          }
          w.mine(s, seed, wanted, results[static_cast<std::size_t>(i - first)]);
        }
      });
    }
    for (std::thread& t : threads) t.join();
    for (const Finds& finds : results) {
      for (const Found& f : finds) {
        auto& list = kept[static_cast<std::size_t>(f.n)];
        if (static_cast<int>(list.size()) >= o.per || !seen.insert(f.text).second) continue;
        list.push_back(f.text);
      }
    }
    next = end;
    if (next % (kBatch * 20) == 0 || next == total) {
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::cerr << next << " puzzles, " << static_cast<long>(seconds) << " s; short:";
      for (int n = 1; n <= strategies; ++n) {
        if (static_cast<int>(kept[static_cast<std::size_t>(n)].size()) < o.per)
          std::cerr << ' ' << n << '=' << kept[static_cast<std::size_t>(n)].size();
      }
      std::cerr << std::endl;
    }
  }

  // The avoidable rectangle (type 2) built into the positions kept for the
  // rows after it, on which every row up to it finds nothing.
  for (int m = kAvoidableType2 + 1; m <= strategies; ++m) {
    auto& list = kept[static_cast<std::size_t>(kAvoidableType2)];
    Worker& w = workers[0];
    w.counter.set_record_solution(true);
    for (std::size_t k = 0; k < kept[static_cast<std::size_t>(m)].size() && static_cast<int>(list.size()) < o.per;
         ++k) {
      State s;
      read_position(kept[static_cast<std::size_t>(m)][k], s);
      State probe = s;
      if (w.counter.n_solutions(probe) != 1) continue;
      int solution[81];
      for (int i = 0; i < 81; ++i) solution[i] = w.counter.solution_text()[i] - '0';
      int taken = 0;
      // The kept position and the ones the engine walks on to from it on
      // which no row up to the rectangle's finds a move.
      for (int step = 0; step < kMaxSteps && taken < 2 && !s.is_solved(); ++step) {
        Move move;
        const int row = w.engine.find(s, true, move);
        if (row == kNoMove || row > kAvoidableType2) {
          build_avoidable(w.engine, w.counter, s, solution, [&](const State& built) {
            std::string text = position_text(built);
            if (taken < 2 && static_cast<int>(list.size()) < o.per && seen.insert(text).second) {
              list.push_back(std::move(text));
              ++taken;
            }
          });
        }
        if (row == kNoMove) break;
        move.apply_to(s);
      }
    }
  }

  std::cerr << "built: " << kAvoidableType2 << ' ' << strategy_row(kAvoidableType2).name << ": "
            << kept[static_cast<std::size_t>(kAvoidableType2)].size() << std::endl;

  for (int n = 1; n <= strategies; ++n) {
    if (static_cast<int>(kept[static_cast<std::size_t>(n)].size()) >= o.per) continue;
    amplify(workers[0], n, o.per, mix((static_cast<std::uint64_t>(o.seed) << 32) + 0xA000u + static_cast<unsigned>(n)),
            kept, seen);
    std::cerr << "variants: " << n << ' ' << strategy_row(n).name << ": " << kept[static_cast<std::size_t>(n)].size()
              << std::endl;
  }

  // The extended rows: positions of the corpus puzzles on which the standard
  // rows get stuck, in batches like the mining above.
  const std::vector<std::string> stuck_corpus = o.extended ? corpus_puzzles(o.corpus) : std::vector<std::string>();
  const auto extended_wanted = [&] {
    std::vector<bool> wanted(static_cast<std::size_t>(kAllRowsEnd), false);
    bool any = false;
    for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n) {
      wanted[static_cast<std::size_t>(n)] = static_cast<int>(kept[static_cast<std::size_t>(n)].size()) < o.extended_per;
      any = any || wanted[static_cast<std::size_t>(n)];
    }
    return std::make_pair(wanted, any);
  };
  const long corpus_total = static_cast<long>(stuck_corpus.size());
  for (long first = 0; first < corpus_total && extended_wanted().second; first += kBatch) {
    const std::vector<bool> wanted = extended_wanted().first;
    const long end = std::min(corpus_total, first + kBatch);
    std::vector<Finds> results(static_cast<std::size_t>(end - first));
    std::atomic<long> claim{first};
    std::vector<std::thread> threads;
    for (Worker& w : workers) {
      threads.emplace_back([&] {
        for (long i = claim++; i < end; i = claim++) {
          State s;
          for (int k = 0; k < 81; ++k) {
            const char ch = stuck_corpus[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
            if (ch != '.') s.set_answer_and_solution(k / 9, k % 9, ch - '0');
          }
          s.mark_givens();
          State probe = s;
          if (w.counter.n_solutions(probe) != 1) continue;
          w.mine_extended(s, wanted, results[static_cast<std::size_t>(i - first)]);
        }
      });
    }
    for (std::thread& t : threads) t.join();
    for (const Finds& finds : results) {
      for (const Found& f : finds) {
        auto& list = kept[static_cast<std::size_t>(f.n)];
        if (static_cast<int>(list.size()) >= o.extended_per || !seen.insert(f.text).second) continue;
        list.push_back(f.text);
      }
    }
    if (end % (kBatch * 20) == 0 || end == corpus_total) {
      std::cerr << end << " puzzles for the extended rows, "
                << static_cast<long>(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count())
                << " s" << std::endl;
    }
  }
  if (o.extended) {
    std::cerr << "mined:";
    for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n)
      std::cerr << ' ' << n << '=' << kept[static_cast<std::size_t>(n)].size();
    std::cerr << std::endl;
  }
  for (int n = kFirstExtendedRow; o.extended && n <= kLastExtendedRow; ++n) {
    if (static_cast<int>(kept[static_cast<std::size_t>(n)].size()) >= o.extended_per) continue;
    amplify(workers[0], n, o.extended_per,
            mix((static_cast<std::uint64_t>(o.seed) << 32) + 0xB000u + static_cast<unsigned>(n)), kept, seen);
  }
  std::cerr << "extended:";
  for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n)
    std::cerr << ' ' << n << '=' << kept[static_cast<std::size_t>(n)].size();
  std::cerr << std::endl;

  std::ofstream out(o.out);
  out << "# Vantry practice library, written by tools/practice_miner (see README).\n"
         "# One position a line: the strategy's table number, a space, the 81 answers\n"
         "# row by row ('.' empty), then the answers that are no givens r<row>c<column>=<digit>,\n"
         "# then the removed possibilities r<row>c<column><><digit>.\n"
         "# From each position the engine's next move with the whole table is that\n"
         "# strategy (the XY-wing chain: the move its own finder makes), and its\n"
         "# puzzle has one solution. Rows 45-55 are the extended strategies: the\n"
         "# standard rows find nothing there, and the extended search moves first.\n";
  int status = 0;
  // The extended rows follow; one the standard rows leave no room for (the
  // empty rectangle) may stay short without failing the run.
  for (int n = 1; n <= kLastExtendedRow; ++n) {
    const auto& list = kept[static_cast<std::size_t>(n)];
    if (static_cast<int>(list.size()) < kMinimum && !is_extended_row(n)) status = 1;
    out << "# " << n << ' ' << strategy_row(n).name << ": " << list.size() << '\n';
    for (const std::string& text : list) out << n << ' ' << text << '\n';
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cerr << "practice_miner: " << next << " puzzles in " << static_cast<long>(seconds) << " s\n";
  return out ? status : 1;
}
