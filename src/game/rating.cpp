#include "game/rating.h"

#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/strategy.h"

namespace vantry {

namespace {

// What is left to solve: each empty cell and each of its possibilities. Every
// real move lowers it (a placement empties its cell's count, a removal takes
// one off), so a finder that reports a move but changes nothing shows as no
// change, and is not asked again for ever.
int work_left(const State& s) {
  int total = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      if (cell.answer == 0) total += 1 + cell.list_possibilities();
    }
  }
  return total;
}

// The engine's extended flag is restored however the run ends.
class ExtendedOff {
 public:
  explicit ExtendedOff(Strategy& engine) : my_engine(engine), my_was(engine.extended()) { engine.set_extended(false); }
  ~ExtendedOff() { my_engine.set_extended(my_was); }
  ExtendedOff(const ExtendedOff&) = delete;
  ExtendedOff& operator=(const ExtendedOff&) = delete;
  bool was_on() const { return my_was; }

 private:
  Strategy& my_engine;
  bool my_was;
};

// Beyond the standard strategies, from where they got stuck, until the puzzle
// is solved or nothing more is found: each extended step is counted apart
// from the rating (the standard steps they open up are not counted again).
// Returns false when the player cancelled.
bool finish_beyond(Strategy& engine, State& copy, StrategiesUsed& used) {
  BusyManager& busy = engine.busy();
  engine.set_extended(true);
  while (!copy.is_solved()) {
    const int left = work_left(copy);
    const int n = engine.search(copy, true);
    if (busy.is_busy() && busy.cancel_pressed()) return false;
    if (n == kNoMove || work_left(copy) >= left) return true;
    if (!is_extended_row(n)) continue;
    ++used.by_strategy[n];
    ++used.extended_steps;
  }
  used.finished_beyond = true;
  return true;
}

}  // namespace

SolvingRun solve_for_rating(Strategy& engine, State& s, bool allow_composite, int practice_target,
                            StrategiesUsed& used) {
  used.clear();
  ExtendedOff standard_only(engine);
  engine.set_purpose(EnginePurpose::Apply);
  BusyManager& busy = engine.busy();
  State copy = s;
  State before;
  SolvingRun run;
  while (!copy.is_solved()) {
    if (practice_target != 0) before = copy;
    const int left = work_left(copy);
    const int n = engine.search(copy, allow_composite);
    if (busy.is_busy() && busy.cancel_pressed()) {
      run.cancelled = true;
      return run;
    }
    // A result beyond the table is no move; so is a move that changed nothing.
    if (n < 1 || n >= MAX_STRATEGIES || work_left(copy) >= left) {
      run.highest = kNoMove;
      if (standard_only.was_on() && practice_target == 0 && !finish_beyond(engine, copy, used)) run.cancelled = true;
      return run;
    }
    ++used.by_strategy[n];
    ++used.by_level[strategy_row(n).level];
    if (n > run.highest) run.highest = n;
    if (n == practice_target) {
      s = before;
      run.practice_reached = true;
      return run;
    }
  }
  return run;
}

int count_singles(Strategy& engine, const State& s) {
  State copy = s;
  engine.reset_singles_count();
  engine.set_purpose(EnginePurpose::SinglesCount);
  engine.search(copy, false);
  return engine.singles_count();
}

Difficulty rating_for(int highest, const StrategiesUsed& used, int singles, const int first_rows[kLevels]) {
  using enum Difficulty;
  if (highest < first_rows[1]) return singles < kEasySingles ? Medium : Easy;
  if (highest < first_rows[2]) return used.by_level[1] > kManyMovesOfLevel ? Expert : Hard;
  if (highest < first_rows[3]) return used.by_level[2] > kManyMovesOfLevel ? Sadistic : Devious;
  if (highest < MAX_STRATEGIES) return Superhuman;
  return Unsolvable;
}

Difficulty rate_position(Strategy& engine, State& s, bool allow_composite, int practice_target, StrategiesUsed& used,
                         SolvingRun& run) {
  run = solve_for_rating(engine, s, allow_composite, practice_target, used);
  if (run.cancelled || run.practice_reached) return Difficulty::NotRated;
  const int first_rows[kLevels] = {engine.first_row_of_level(0), engine.first_row_of_level(1),
                                   engine.first_row_of_level(2), engine.first_row_of_level(3)};
  // Only a Basic puzzle needs the singles count, which costs one more search.
  const int singles = run.highest < first_rows[1] ? count_singles(engine, s) : 0;
  return rating_for(run.highest, used, singles, first_rows);
}

std::string strategies_used_text(Difficulty difficulty, const StrategiesUsed& used) {
  std::string text = difficulty == Difficulty::Unsolvable
                         ? "Vantry cannot solve this puzzle,\nbut these strategies were used in trying:\n"
                         : "Strategies used to solve this puzzle:\n";
  // A heading opens each change of level; the remembered level starts at the
  // top one, so a Superhuman strategy listed first gets no heading.
  int level = kLevels - 1;
  for (int n = 1; n <= strategy_count(); ++n) {
    if (used.by_strategy[n] == 0) continue;
    const StrategyRow& row = strategy_row(n);
    if (row.level != level) {
      level = row.level;
      text += '\n';
      text += kLevelWords[level];
      text += ":\n";
    }
    text += "   " + std::to_string(used.by_strategy[n]) + ' ' + row.name + '\n';
  }
  bool heading = false;
  for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n) {
    if (used.by_strategy[n] == 0) continue;
    if (!heading) {
      text += '\n';
      text += kExtendedHeading;
      text += ":\n";
      heading = true;
    }
    text += "   " + std::to_string(used.by_strategy[n]) + ' ' + strategy_row(n).name + '\n';
  }
  return text;
}

int difficulty_score(const StrategiesUsed& used) {
  int score = 0;
  for (int n = 1; n < kAllRowsEnd; ++n) score += used.by_strategy[n] * row_weight(n);
  return score;
}

std::string rating_message(Difficulty difficulty, const StrategiesUsed& used, bool with_score) {
  std::string text = "Difficulty: " + std::string(difficulty_name(difficulty));
  if (with_score && used.filled(difficulty)) text += " (score " + std::to_string(difficulty_score(used)) + ")";
  if (used.extended_steps > 0) {
    text += "\n\n";
    text += used.finished_beyond ? "Beyond the standard strategies, " : "Beyond the standard strategies, only ";
    text += std::to_string(used.extended_steps);
    text += used.extended_steps == 1 ? " more step " : " more steps ";
    text += used.finished_beyond ? "finished it." : "were found.";
  }
  return text;
}

}  // namespace vantry
