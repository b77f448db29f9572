// Hunts for the fast counter's slowest inputs: a mutation search over sparse
// puzzles and puzzles without a solution, seeded from the files given (one
// puzzle a line, 81 characters, '.' or '0' for an empty cell). Each input is
// timed in processor time; the slowest ones are mutated further, so the search climbs towards
// the counter's worst case. A count is stopped at the cut-off, so one bad
// input cannot stall the hunt; it then shows as the cut-off time.
//
//   counter_hunt [--inputs N] [--seed S] [--cutoff-ms M] [--top K] seeds.txt...
//
// Prints the K slowest inputs with their times (best of three runs) and the
// number of inputs tried. Exits 1 when the slowest reaches the cut-off.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/count_input.h"
#include "model/fast_counter.h"

namespace {

using Clock = std::chrono::steady_clock;
using vantry::CountInput;

// A puzzle line with its deleted possibilities: candidates[i] is read only
// where the line has no digit.
struct Puzzle {
  std::string line;
  std::uint16_t candidates[81];
};

CountInput input_of(const Puzzle& p) {
  CountInput in{};
  for (int i = 0; i < 81; ++i) {
    const char ch = p.line[static_cast<std::size_t>(i)];
    if (ch >= '1' && ch <= '9') {
      in.answer[i] = static_cast<std::uint8_t>(ch - '0');
    } else {
      in.candidates[i] = p.candidates[i];
    }
  }
  return in;
}

// Processor time of this thread in microseconds: other programs on the
// machine disturb it far less than the wall clock.
double cpu_us() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

class Cutoff final : public vantry::SearchPoll {
 public:
  explicit Cutoff(double end_us) : my_end(end_us) {}
  bool should_stop() override { return cpu_us() >= my_end; }

 private:
  double my_end;
};

double time_us(const Puzzle& p, double cutoff_us) {
  const CountInput in = input_of(p);
  const double start = cpu_us();
  Cutoff poll(start + cutoff_us);
  vantry::fast_count(in, nullptr, &poll);
  return cpu_us() - start;
}

// One random change: a digit set, moved or cleared, two puzzles crossed, a
// possibility deleted, or a band or stack of another seed copied in. Mostly
// additions and clearings, so the inputs stay sparse.
void mutate(Puzzle& p, const std::vector<Puzzle>& seeds, std::mt19937& random) {
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const int changes = 1 + pick(3);
  for (int k = 0; k < changes; ++k) {
    const std::size_t i = static_cast<std::size_t>(pick(81));
    switch (pick(8)) {
      case 0:
      case 1:
      case 2: p.line[i] = static_cast<char>('1' + pick(9)); break;
      case 3:
      case 4: p.line[i] = '.'; break;
      case 5: std::swap(p.line[i], p.line[static_cast<std::size_t>(pick(81))]); break;
      case 6: p.candidates[i] &= static_cast<std::uint16_t>(~(1u << pick(9))); break;
      default: {
        const Puzzle& other = seeds[static_cast<std::size_t>(pick(static_cast<int>(seeds.size())))];
        const int band = pick(3);
        for (int c = 27 * band; c < 27 * band + 27; ++c)
          p.line[static_cast<std::size_t>(c)] = other.line[static_cast<std::size_t>(c)];
        break;
      }
    }
  }
}

std::vector<Puzzle> read_seeds(int argc, char** argv, int first) {
  std::vector<Puzzle> seeds;
  for (int a = first; a < argc; ++a) {
    std::ifstream in(argv[a]);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.size() != 81) continue;
      Puzzle p{line, {}};
      for (char& ch : p.line) {
        if (ch < '1' || ch > '9') ch = '.';
      }
      std::fill(std::begin(p.candidates), std::end(p.candidates), std::uint16_t{0x1FF});
      seeds.push_back(p);
    }
  }
  return seeds;
}

struct Timed {
  Puzzle puzzle;
  double us;
};

}  // namespace

int main(int argc, char** argv) {
  long inputs = 1000000;
  unsigned seed = 1;
  double cutoff_ms = 1000;
  std::size_t top = 10;
  int a = 1;
  for (; a + 1 < argc && std::string(argv[a]).starts_with("--"); a += 2) {
    const std::string option = argv[a];
    if (option == "--inputs") inputs = std::atol(argv[a + 1]);
    else if (option == "--seed") seed = static_cast<unsigned>(std::atol(argv[a + 1]));
    else if (option == "--cutoff-ms") cutoff_ms = std::atof(argv[a + 1]);
    else if (option == "--top") top = static_cast<std::size_t>(std::atol(argv[a + 1]));
    else {
      std::fprintf(stderr, "unknown option %s\n", option.c_str());
      return 2;
    }
  }
  const std::vector<Puzzle> seeds = read_seeds(argc, argv, a);
  if (seeds.empty()) {
    std::fprintf(stderr, "usage: counter_hunt [--inputs N] [--seed S] [--cutoff-ms M] [--top K] seeds.txt...\n");
    return 2;
  }

  // The pool holds the slowest inputs so far; new inputs are mutants of a
  // pool member (the slower half more often) or, now and then, of a seed.
  std::mt19937 random(seed);
  const double cutoff_us = cutoff_ms * 1000;
  std::vector<Timed> pool;
  for (const Puzzle& p : seeds) pool.push_back({p, time_us(p, cutoff_us)});
  const std::size_t pool_size = 64;
  const auto slowest_first = [](const Timed& x, const Timed& y) { return x.us > y.us; };
  std::sort(pool.begin(), pool.end(), slowest_first);
  if (pool.size() > pool_size) pool.resize(pool_size);

  const auto started = Clock::now();
  for (long n = 0; n < inputs; ++n) {
    Puzzle p = (random() % 16 == 0)  ? seeds[random() % seeds.size()]
               : (random() % 2 == 0) ? pool[random() % std::max<std::size_t>(1, pool.size() / 4)].puzzle
                                     : pool[random() % pool.size()].puzzle;
    mutate(p, seeds, random);
    const double us = time_us(p, cutoff_us);
    if (pool.size() < pool_size || us > pool.back().us) {
      if (pool.size() >= pool_size) pool.pop_back();
      pool.push_back({p, us});
      std::sort(pool.begin(), pool.end(), slowest_first);
    }
    if ((n + 1) % 100000 == 0) {
      std::fprintf(stderr, "%ld inputs, slowest %.1f us: %s\n", n + 1, pool.front().us,
                   pool.front().puzzle.line.c_str());
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - started).count();

  // The slowest again, best of three, so a stray interrupt does not decide.
  for (Timed& t : pool) {
    for (int run = 0; run < 3; ++run) t.us = std::min(t.us, time_us(t.puzzle, cutoff_us));
  }
  std::sort(pool.begin(), pool.end(), slowest_first);
  std::printf("%ld inputs in %.1f s; slowest (best of three, microseconds):\n", inputs, seconds);
  for (std::size_t k = 0; k < std::min(top, pool.size()); ++k) {
    const Timed& t = pool[k];
    Cutoff poll(cpu_us() + cutoff_us);
    std::printf("%12.1f  %s  count %d", t.us, t.puzzle.line.c_str(),
                vantry::fast_count(input_of(t.puzzle), nullptr, &poll));
    // Deleted possibilities as cell:mask of the digits left (bit 0 = digit 1).
    for (int i = 0; i < 81; ++i) {
      if (t.puzzle.line[static_cast<std::size_t>(i)] == '.' && t.puzzle.candidates[i] != 0x1FF)
        std::printf(" %d:%03x", i, t.puzzle.candidates[i]);
    }
    std::printf("\n");
  }
  return !pool.empty() && pool.front().us >= cutoff_us ? 1 : 0;
}
