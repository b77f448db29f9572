// A game in progress on the scripted platform, with a folder for its files
// and a puzzle with a known unique solution to paste into it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "classlib/temp_folder.h"
#include "game/game.h"
#include "support/fake_platform.h"

namespace vantry::testing {

// A puzzle with one solution, and that solution, row by row.
inline constexpr const char* kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

class GameTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform, platform};
  TempFolder folder;

  // Pastes text as the new puzzle; the messages shown so far are forgotten.
  void paste(const std::string& text) {
    platform.clipboard_state = ClipboardRead::Text;
    platform.clipboard = text;
    game.paste();
  }
  void paste_puzzle() {
    paste(kPuzzle);
    ASSERT_TRUE(game.puzzle_valid());
    platform.messages.clear();
  }
  // The correct digit of an empty cell, and a digit possible there but wrong.
  static int right_digit(int r, int c) { return kSolution[r * 9 + c] - '0'; }
  int wrong_digit(int r, int c) const {
    const Cell& cell = game.board().current().cell(r, c);
    for (int d = 1; d <= 9; ++d) {
      if (cell.is_possible(d) && d != right_digit(r, c)) return d;
    }
    return 0;
  }
  const State& current() const { return game.board().current(); }

  // The last message box, checked whole.
  void expect_message(const std::string& text, const std::string& caption, MessageIcon icon) {
    ASSERT_FALSE(platform.messages.empty()) << "no message for: " << text;
    const RecordedMessage& m = platform.messages.back();
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.caption, caption);
    EXPECT_EQ(m.icon, icon);
  }
};

}  // namespace vantry::testing
