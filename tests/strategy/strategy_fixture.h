// A game in progress for hint tests: the scripted platform, a busy manager,
// the engine and a host that records what a hint did to the game (hints and
// moves counted, repaints, next-move texts). Helpers build hand-made grids.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/puzzle_input.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/hint_host.h"
#include "strategy/move.h"
#include "strategy/move_offer.h"
#include "strategy/strategy.h"
#include "support/fake_platform.h"

namespace vantry::testing {

class TestHost : public HintHost {
 public:
  bool is_entering = false;
  bool is_auto_solving = false;
  bool is_valid = true;
  Board game;
  std::optional<HintLevel> level;  // none until a hint command sets it
  std::vector<HintLevel> hints_counted;
  int moves_made = 0;
  int recomputes = 0;
  int repaints = 0;
  std::vector<std::string> next_move_texts;

  bool entering() const override { return is_entering; }
  bool auto_solving() const override { return is_auto_solving; }
  bool puzzle_valid() const override { return is_valid; }
  Board& board() override { return game; }
  HintLevel last_hint_level() const override { return level.value_or(HintLevel::Little); }
  void set_last_hint_level(HintLevel l) override { level = l; }
  void count_hint(HintLevel l) override { hints_counted.push_back(l); }
  void count_moves(int delta, bool recompute) override {
    moves_made += delta;
    if (recompute) ++recomputes;
  }
  void repaint() override { ++repaints; }
  void set_next_move_text(const std::string& text) override { next_move_texts.push_back(text); }
};

class StrategyFixture : public ::testing::Test {
 protected:
  FakePlatform platform;
  BusyManager busy{platform};
  Strategy engine{busy};
  TestHost host;

  StrategyFixture() { engine.set_owner_window(&host); }

  State& current() { return host.game.current(); }

  // Runs one finder as a hint of the given level would, on the current State.
  // A Big hint is answered No, so its marks stay to be looked at.
  int hint_with(Finder finder, int n, int argument, HintLevel level) {
    if (level == HintLevel::Big) platform.hint_answers.push_back(7);
    host.level = level;
    engine.set_purpose(EnginePurpose::Hint, level);
    Move move;
    const int found = finder(busy, n, current(), argument, move);
    if (found == 0) return 0;
    if (level == HintLevel::Big) move.mark_on(current());
    offer_move(engine, &move);
    return found;
  }
  const RecordedHintDialog& last_dialog() {
    EXPECT_FALSE(platform.hint_dialogs.empty());
    return platform.hint_dialogs.back();
  }
};

// Runs one finder and carries out what it found on s, as the rating would.
inline int apply_with(BusyManager& busy, Finder finder, int n, State& s, int argument) {
  Move move;
  const int found = finder(busy, n, s, argument, move);
  if (found != 0) move.apply_to(s);
  return found;
}

// A puzzle line into a State (givens marked), failing the test on a bad line.
inline State grid(std::string_view line) {
  State s;
  EXPECT_EQ(read_puzzle(line, s), "");
  return s;
}

// Cell (r, c), 0-based, holds exactly these possibilities.
inline void only(State& s, int r, int c, std::initializer_list<int> digits) {
  Cell& cell = s.cell(r, c);
  for (int d = 1; d <= 9; ++d) cell.possible[d] = false;
  for (int d : digits) cell.possible[d] = true;
}

// Digit d is possible in the unit only at the listed positions.
inline void keep_only_at(State& s, UnitKind kind, int index, int d, std::initializer_list<int> positions) {
  for (int p = 0; p < 9; ++p) {
    bool keep = false;
    for (int q : positions) keep = keep || q == p;
    int r = 0, c = 0;
    cell_of(kind, index, p, r, c);
    s.cell(r, c).possible[d] = keep;
  }
}

// What a move really did to the grid: the answers it placed and the
// possibilities it deleted. A deleted flag on a digit the cell did not hold
// before fails the test: a placement had taken that digit already, and the
// flag would show it as a deletion the player can undo beside the answer.
inline int real_changes(const State& before, const State& after) {
  int n = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& was = before.cell(r, c);
      const Cell& is = after.cell(r, c);
      if (was.answer == 0 && is.answer != 0) ++n;
      for (int d = 1; d <= 9; ++d) {
        if (!is.deleted[d] || was.deleted[d]) continue;
        if (was.is_possible(d)) {
          ++n;
        } else {
          ADD_FAILURE() << "deleted flag on " << d << " at r" << r + 1 << "c" << c + 1
                        << ", which the cell did not hold";
        }
      }
    }
  }
  return n;
}

// Runs the whole search in apply mode from s, move by move, until the next
// move would be the one of table number n; false when it never comes.
inline bool advance_to(Strategy& engine, State& s, int n) {
  engine.set_purpose(EnginePurpose::Apply);
  for (int step = 0; step < 400; ++step) {
    State next = s;
    const int found = engine.search(next, true);
    if (found == n) return true;
    if (found == kNoMove) return false;
    s = next;
  }
  return false;
}

}  // namespace vantry::testing
