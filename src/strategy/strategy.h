// The solving engine: one search that runs the finders of the strategy table
// in order on a State and stops at the first that finds a move. Rating, the
// three hint levels, the button pane's next move and practice puzzles all go
// through this search; its purpose decides what becomes of the move found.
#pragma once

#include <string_view>

#include "strategy/difficulty.h"
#include "strategy/hint_level.h"

namespace vantry {

class BusyManager;
class HintHost;
class Move;
class State;
class Strategy;

// What the search does with the move it finds: carry it out (rating, solving,
// practice, the command line), count the singles in sight first and then carry
// it out, offer it as a hint, or only name it in the button pane.
enum class EnginePurpose { Apply, SinglesCount, Hint, PaneLookUp };

// What search returns when no finder found a move (or it was cancelled).
inline constexpr int kNoMove = 999;

// A finder looks for its strategy in s and, when it finds it, describes the
// move in move and returns the table number of the row describing it (its own
// n, or a later row it reports); otherwise it returns 0 and never kNoMove. A
// finder never changes the grid and never learns why it was asked: the search
// driver decides what the move is for. The long searches poll busy.
using Finder = int (*)(BusyManager& busy, int n, const State& s, int argument, Move& move);
// Decides whether a row's finder runs at all.
using PreCheck = bool (*)(const Strategy& engine, bool allow_composite);

struct StrategyRow {
  PreCheck pre_check;
  Finder finder;
  int argument;   // subset or fish size 2-4, else 0
  int level;      // index into kLevelWords
  int frequency;  // index into kFrequencyWords
  int help_context;
  const char* name;  // null in the row that ends the table
};

inline constexpr std::string_view kLevelWords[] = {"Basic", "Intermediate", "Advanced", "Superhuman"};
inline constexpr std::string_view kFrequencyWords[] = {"very common", "common", "uncommon", "rare", "very rare"};

// Table numbers run 1-44; a table may hold at most MAX_STRATEGIES - 1 rows.
// The rows beyond the standard strategies follow from 45 (extended_table.h).
inline constexpr int MAX_STRATEGIES = 45;
inline constexpr int kLevels = 4;

// The table number of the first row of each level, walking rows up to the end
// row. A table too long for MAX_STRATEGIES is a programming error.
void find_first_rows(const StrategyRow* table, int first_row[kLevels]);

// The row of a table number (1-based), standard or extended; asserts the
// number is in one of the tables.
const StrategyRow& strategy_row(int n);
int strategy_count();

class Strategy {
 public:
  explicit Strategy(BusyManager& busy);
  Strategy(const Strategy&) = delete;
  Strategy& operator=(const Strategy&) = delete;

  // The game in progress on which hints are presented; null until set.
  void set_owner_window(HintHost* owner) { my_owner = owner; }
  HintHost* owner_window() const { return my_owner; }

  // The level matters only to a hint; the pane's look-up is a Little hint.
  void set_purpose(EnginePurpose purpose, HintLevel level = HintLevel::Little) {
    my_purpose = purpose;
    my_hintLevel = level;
  }
  EnginePurpose purpose() const { return my_purpose; }
  HintLevel hint_level() const { return my_hintLevel; }
  bool is_big_hint() const { return my_purpose == EnginePurpose::Hint && my_hintLevel == HintLevel::Big; }

  // The search driver. It finds the next move on s and uses it as the purpose
  // says: Apply carries it out on s; Hint offers it (a Big hint marks it on s
  // first, and the player's Yes carries it out on the host's Board), and the
  // pane's look-up only names it in the button pane. A hint presents the
  // empty move when nothing was found, so that the player is told. Returns the
  // table number of the move, or kNoMove.
  int search(State& s, bool allow_composite);

  // The button pane's look-up: names the next move (or its absence) in the
  // pane. It takes s read-only, so it cannot change the position on display.
  int name_next_move(const State& s, bool allow_composite);

  // The finders in table order on s; the first that finds a move fills move
  // and ends the walk. The player may cancel between any two finders. Returns
  // the table number of the move, or kNoMove (nothing found, or cancelled).
  int find(const State& s, bool allow_composite, Move& move);

  int first_row_of_level(int level) const { return my_firstRow[level]; }

  // The strategies beyond the standard 44: when on, find() tries them after
  // every standard row found nothing. Off unless the player asked for them.
  void set_extended(bool on) { my_extended = on; }
  bool extended() const { return my_extended; }

  // The SinglesCount purpose adds to this counter; the caller clears it first.
  int singles_count() const { return my_singlesCount; }
  void reset_singles_count() { my_singlesCount = 0; }

  // What the rating tells the composite chain pre-check: Strategies used is
  // rating, a practice puzzle is being built for a table number (0 = none),
  // and the difficulty being created (NotRated = none).
  void set_strategies_used(bool on) { my_strategiesUsed = on; }
  bool strategies_used() const { return my_strategiesUsed; }
  void set_practice_strategy(int n) { my_practiceStrategy = n; }
  int practice_strategy() const { return my_practiceStrategy; }
  void set_requested_difficulty(Difficulty d) { my_requestedDifficulty = d; }
  // The strategy the player is practising (0 = none). A strategy the search
  // never reaches first (reached_only_by_own_finder) names the move when its
  // own finder makes the very move an earlier row of its level found.
  void set_practised(int n) { my_practised = n; }
  int practised() const { return my_practised; }
  Difficulty requested_difficulty() const { return my_requestedDifficulty; }

  BusyManager& busy() { return my_busy; }

 private:
  BusyManager& my_busy;
  HintHost* my_owner = nullptr;
  EnginePurpose my_purpose = EnginePurpose::Apply;
  HintLevel my_hintLevel = HintLevel::Little;
  int my_firstRow[kLevels] = {};
  int my_singlesCount = 0;
  bool my_strategiesUsed = false;
  int my_practiceStrategy = 0;
  Difficulty my_requestedDifficulty = Difficulty::NotRated;
  int my_practised = 0;
  bool my_extended = false;
};

// Every move of this strategy (a table number) is also a move of an earlier
// row of its level: the XY-wing chain, each of which is a pairs chain.
bool reached_only_by_own_finder(int n);

// Row 43 runs only when a composite chain may be needed: composite chains are
// the most expensive search, and ordinary puzzles being created never need one.
bool composite_chain_allowed(const Strategy& engine, bool allow_composite);

}  // namespace vantry
