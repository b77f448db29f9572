// The game's side of new puzzles: Create new with its attempt loop, time
// limit and cancellation; the rating of the puzzle in play with Rate puzzle
// and Strategies used; and practice puzzles for one chosen strategy.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <sstream>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "strategy/difficulty.h"
#include "strategy/game_messages.h"
#include "game/practice.h"
#include "game/practice_library.h"
#include "game/rating.h"
#include "strategy/extended/extended_table.h"
#include "strategy/strategy_table.h"

namespace vantry {

namespace {

// One creation attempt may take this long before it is discarded.
constexpr int kAttemptTimeMs = 5000;

// Superhuman and beyond have no menu item: Sadistic stands for them; a
// difficulty not rated (an unknown setting) is the first one.
Difficulty menu_difficulty(Difficulty d) {
  if (d > Difficulty::Sadistic) return Difficulty::Sadistic;
  if (d == Difficulty::NotRated) return Difficulty::Easy;
  return d;
}

int menu_strategy(int table_number) { return table_number >= 1 && table_number <= kStrategyRows ? table_number : 1; }

}  // namespace

void Game::create_new(Difficulty d, bool shift_held) {
  if (!is_menu_difficulty(d)) return;
  // Step 1. The activity guard; Shift was read as the command started.
  if (!activity_guard()) return;
  // Step 2. The new-game step.
  if (!new_game_step()) return;
  // Step 3. Superhuman puzzles are offered only behind Shift and a question.
  Difficulty target = d;
  if (d == Difficulty::Sadistic && shift_held &&
      my_services.message_box("Do you really, really, REALLY want\na \"superhuman\" puzzle?", kProductName,
                              MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes) {
    target = Difficulty::Superhuman;
  }
  // Step 4. The menus remember the difficulty for Ctrl+N (Superhuman as Sadistic).
  if (d != chosen_difficulty()) choose_difficulty(d);
  create_puzzle(target);
}

void Game::create_again() { create_new(chosen_difficulty()); }

bool Game::create_puzzle(Difficulty target) {
  // Puzzles are made from the standard strategies alone: the attempts' ratings
  // never go on beyond them, whatever the player's preference.
  struct StandardOnly {
    Strategy& engine;
    bool was = engine.extended();
    explicit StandardOnly(Strategy& e) : engine(e) { engine.set_extended(false); }
    ~StandardOnly() { engine.set_extended(was); }
  } standard_only(my_engine);

  // Step 5. The first creation of a run seeds from the clock, unless a seed
  // was given.
  if (!my_random.seeded()) my_random.seed(static_cast<std::uint32_t>(std::time(nullptr)));

  // Step 6. The grid shows the creating colours; inside a practice build's
  // phase this phase is ignored.
  my_creating = true;
  my_busy.start(kBusyCreating);

  // Step 7. Attempts until one rates as asked. Each has its own time limit:
  // timer 1 sets the abort flag, which stops the removals and their counts
  // and discards the attempt.
  const int practice = my_engine.practice_strategy();
  const auto started = std::chrono::steady_clock::now();
  bool cancelled = false;
  Difficulty result = Difficulty::NotRated;
  my_attempts = 0;
  my_practiceTimedOut = false;
  do {
    repaint();
    pump_events(my_services);
    my_counter.set_abort(false);
    my_services.start_timer(kCreateAttemptTimer, kAttemptTimeMs, [this] {
      my_services.kill_timer(kCreateAttemptTimer);
      my_counter.set_abort(true);
    });
    result = build_candidate(target) ? rate(false) : Difficulty::NotRated;
    my_services.kill_timer(kCreateAttemptTimer);
    ++my_attempts;
    if (practice != 0) {
      if (my_strategiesUsed.by_strategy[practice] > 0) break;
      result = Difficulty::NotRated;
      // A long search shows how far it has got, and gives up in the end.
      my_busy.set_message(std::string(busy_phase(kBusyCreatingPractice).message) +
                          "\nPuzzles tried: " + std::to_string(my_attempts));
      if (std::chrono::steady_clock::now() - started > std::chrono::milliseconds(my_practiceSearchLimitMs)) {
        my_practiceTimedOut = true;
        cancelled = true;
        break;
      }
    }
    if (my_busy.cancel_pressed()) {
      cancelled = true;
      break;
    }
    if (my_attemptLimit != 0 && my_attempts >= my_attemptLimit) {
      cancelled = true;
      break;
    }
  } while (my_counter.abort_requested() || result == Difficulty::NotRated ||
           (target != Difficulty::NotRated && result != target));
  // The abort flag belongs to the attempts: counts after creation must run.
  my_counter.set_abort(false);

  // Step 8.
  my_creating = false;
  my_busy.end(kBusyCreating);

  // Step 9. A cancelled creation leaves an empty game.
  if (cancelled) {
    my_board.reset();
    my_puzzleValid = false;
    my_difficulty = Difficulty::NotRated;
    my_strategiesUsed.mark_stale();
    update_title();
  } else {
    my_puzzleValid = true;
    my_board.set_modified(true);
    set_file_name("", false);
  }

  // Step 10.
  repaint();
  reset_statistics();
  restart_clock();
  return !cancelled;
}

bool Game::build_candidate(Difficulty target) {
  // Step 1. One empty State, nothing rated.
  my_board.reset();
  my_difficulty = Difficulty::NotRated;
  my_strategiesUsed.mark_stale();
  my_engine.set_requested_difficulty(target);
  const bool symmetric = settings().read_integer(kAllowAsymmetric) == 0;
  State& s = my_board.current();

  // Step 2. A random complete grid.
  if (!fill_random_grid(s, my_random)) {
    message("Cannot create puzzle; please try again.", kProductName, MessageIcon::Exclamation);
    return false;
  }

  // Steps 3-5. Random removal while the solution stays unique.
  const Removals removals = remove_givens(s, my_counter, my_random, symmetric, removal_attempts(target, symmetric));

  // Step 6. An Easy attempt that came out Medium gets a given or two back.
  if (target == Difficulty::Easy && rate(false) == Difficulty::Medium) {
    put_back(s, removals, symmetric ? 1 : 2, symmetric);
    my_difficulty = Difficulty::NotRated;
    my_strategiesUsed.mark_stale();
  }

  // Step 7.
  s.mark_givens();
  return true;
}

Difficulty Game::rate(bool show) {
  // Step 1. A rating still on record needs no search.
  if (!my_strategiesUsed.filled(my_difficulty)) {
    // Step 2-3. Solve a copy of the puzzle as it stands and map the result.
    SolvingRun run;
    const Difficulty rated =
        rate_position(my_engine, my_board.current(), show, my_engine.practice_strategy(), my_strategiesUsed, run);
    if (run.practice_reached) return Difficulty::NotRated;
    // Step 4. Cancelled: the difficulty stays unknown.
    if (run.cancelled) {
      my_difficulty = Difficulty::NotRated;
      my_strategiesUsed.mark_stale();
      if (show) my_busy.end(kBusyRating);
      return Difficulty::NotRated;
    }
    my_difficulty = rated;
  }
  // Step 5.
  update_title();
  if (show) {
    my_busy.end(kBusyRating);
    message(rating_message(my_difficulty, my_strategiesUsed, settings().read_integer(kDifficultyScore) != 0),
            kProductName, MessageIcon::None);
  }
  return my_difficulty;
}

void Game::set_extended_strategies(bool on) {
  my_extendedPreferred = on;
  update_extended_search();
}

void Game::update_extended_search() {
  const bool on = my_extendedPreferred || is_extended_row(my_engine.practised());
  if (on == my_engine.extended()) return;
  my_engine.set_extended(on);
  my_strategiesUsed.mark_stale();
}

void Game::rate_puzzle() {
  if (!activity_guard() || !puzzle_guard()) return;
  my_busy.start(kBusyRating);
  rate(true);
}

void Game::show_strategies_used() {
  if (!activity_guard() || !puzzle_guard()) return;
  if (!my_strategiesUsed.filled(my_difficulty)) {
    // The strategies-used flag lets composite chains run in this rating.
    my_difficulty = Difficulty::NotRated;
    my_engine.set_strategies_used(true);
    my_busy.start(kBusyTestingStrategies);
    rate(false);
    const bool cancelled = my_busy.cancel_pressed();
    my_busy.end(kBusyTestingStrategies);
    my_engine.set_strategies_used(false);
    if (cancelled) {
      my_difficulty = Difficulty::NotRated;
      my_strategiesUsed.mark_stale();
      update_title();
      return;
    }
  }
  message(strategies_used_text(my_difficulty, my_strategiesUsed), kProductName, MessageIcon::Information);
}

void Game::practise(int n) {
  const bool extended = is_extended_row(n);
  if (n < 1 || (n > strategy_count() && !extended)) return;
  // Step 1.
  if (!activity_guard()) return;
  if (extended) {
    // The search never builds positions for the extended rows (a forcing
    // chain search on every attempt would take minutes): the library's or none.
    State drawn;
    if (!draw_practice_position(n, drawn)) {
      message("The practice library has no position for " + std::string(strategy_row(n).name) +
                  ".\nThe game is as it was; please choose another strategy.",
              kProductName, MessageIcon::Information);
      return;
    }
    my_lastPractised = n;
    if (new_game_step()) show_practice_position(n, drawn);
    return;
  }
  // Step 2. A position from the library is there at once. Without one the
  // search may take long for a rare strategy: ask, unless it was the one
  // practised last.
  State drawn;
  const bool from_library = draw_practice_position(n, drawn);
  if (const std::string question = practice_question(n, my_lastPractised);
      !from_library && !question.empty() &&
      my_services.message_box(question, kProductName, MessageIcon::Question, MessageButtons::YesNo) !=
          MessageAnswer::Yes) {
    return;
  }
  my_lastPractised = n;
  if (n != chosen_strategy()) choose_strategy(n);
  if (from_library) {
    // Step 3.
    if (!new_game_step()) return;
    show_practice_position(n, drawn);
    return;
  }
  // The game as it stands, so that a search that finds nothing puts it back.
  std::stringstream board;
  my_board.write(board, 0);
  const bool modified = my_board.modified();
  const FileName name = my_fileName;
  const Difficulty difficulty = my_difficulty;
  const StrategiesUsed used = my_strategiesUsed;
  const bool valid = my_puzzleValid;
  const Statistics stats = my_stats;
  // Step 3.
  if (!new_game_step()) return;
  if (search_practice_puzzle(n)) return;
  my_board.reset();
  my_board.read(board);
  my_board.set_modified(modified);
  my_fileName = name;
  my_difficulty = difficulty;
  my_strategiesUsed = used;
  my_puzzleValid = valid;
  my_stats = stats;
  update_title();
  repaint();
  if (my_practiceTimedOut) {
    const int minutes = std::max(1, (my_practiceSearchLimitMs + 59999) / 60000);
    message("No practice puzzle for " + std::string(strategy_row(n).name) + " was found in " + std::to_string(minutes) +
                (minutes == 1 ? " minute" : " minutes") +
                ".\nThe game is as it was; please try again, or choose another strategy.",
            kProductName, MessageIcon::Information);
  }
}

void Game::practise_again() { practise(chosen_strategy()); }

bool Game::draw_practice_position(int n, State& drawn) {
  if (!my_random.seeded()) my_random.seed(static_cast<std::uint32_t>(std::time(nullptr)));
  const PracticeLibrary& library = my_practiceLibrary != nullptr ? *my_practiceLibrary : shared_practice_library();
  if (library.positions(n).empty()) return false;
  // The checks run inside a busy phase, whose dialog shows only if they are slow.
  my_busy.start(kBusyCreatingPractice, busy_phase(kBusyCreatingPractice).message, 500);
  const bool found = library_practice_position(my_engine, library, n, my_random, drawn);
  my_busy.end(kBusyCreatingPractice);
  return found;
}

void Game::show_practice_position(int n, const State& s) {
  my_board.reset();
  my_board.current() = s;
  // The solution, for checking; the answers that are no givens stay the player's.
  if (count_and_record(kBusyCheckingSolution) == 1) {
    const char* solution = my_counter.solution_text();
    for (int i = 0; i < 81; ++i) my_board.current().set_solution(i / 9, i % 9, solution[i] - '0');
  }
  my_counter.set_record_solution(false);
  my_engine.set_practised(n);
  update_extended_search();
  my_difficulty = Difficulty::NotRated;
  my_strategiesUsed.mark_stale();
  my_puzzleValid = true;
  my_board.set_modified(true);
  set_file_name("", false);
  repaint();
  reset_statistics();
  restart_clock();
}

bool Game::search_practice_puzzle(int n) {
  my_engine.set_practice_strategy(n);
  my_busy.start(kBusyCreatingPractice);
  const bool made = create_puzzle(Difficulty::NotRated);
  my_busy.end(kBusyCreatingPractice);
  my_engine.set_practice_strategy(0);
  if (made) my_engine.set_practised(n);
  return made;
}

bool Game::create_practice_puzzle(int n) {
  State drawn;
  if (!draw_practice_position(n, drawn)) return search_practice_puzzle(n);
  show_practice_position(n, drawn);
  return true;
}

Difficulty Game::chosen_difficulty() const {
  return menu_difficulty(create_command_difficulty(my_settings->read_integer(kLastDifficulty)));
}

int Game::chosen_strategy() const { return menu_strategy(my_settings->read_integer(kLastStrategy)); }

void Game::choose_difficulty(Difficulty d) {
  my_settings->write_integer(kLastDifficulty, create_command(menu_difficulty(d)));
  my_view.menus_changed();
}

void Game::choose_strategy(int table_number) {
  my_settings->write_integer(kLastStrategy, menu_strategy(table_number));
  my_view.menus_changed();
}

}  // namespace vantry
