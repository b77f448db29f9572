// Keyboard play beside the scripted scenarios: the colour schemes with their
// contrast, and the drawing of the cursor and of the line styles that stand
// beside colours.
#include <gtest/gtest.h>

#include <algorithm>

#include "classlib/inifile.h"
#include "view/color_schemes.h"
#include "game/commands.h"
#include "strategy/game_messages.h"
#include "view_fixture.h"
#include "support/recording_canvas.h"

namespace vantry::testing {
namespace {

class KeyboardPlay : public ViewTest {
 protected:
  void SetUp() override {
    grid.resize(300, 330);
    paste_puzzle();
    grid.run_command(kCmdKeyboardPlay);
  }
  void go_to(int r, int c) {
    grid.play_key(PlayKey::FirstCell);
    for (int i = 0; i < r; ++i) grid.play_key(PlayKey::Down);
    for (int i = 0; i < c; ++i) grid.play_key(PlayKey::Right);
  }
};

// ---- Colour schemes ----

TEST(ColorSchemesTest, ClassicIsTheDefaultsAndSchemesMatchBack) {
  ASSERT_EQ(color_schemes().size(), 3u);
  ColorMgr colors;
  EXPECT_EQ(matching_scheme(colors), kSchemeClassic);
  apply_scheme(colors, kSchemeDark);
  EXPECT_EQ(matching_scheme(colors), kSchemeDark);
  colors.set(kColorLines, rgb(1, 2, 3));
  EXPECT_EQ(matching_scheme(colors), -1);
  // A scheme is saved as the same 27 keys and loads back whole.
  apply_scheme(colors, kSchemeHighContrast);
  MemorySettings settings;
  colors.save(settings);
  ColorMgr loaded;
  loaded.load(settings);
  EXPECT_EQ(matching_scheme(loaded), kSchemeHighContrast);
}

TEST(ColorSchemesTest, ContrastArithmetic) {
  EXPECT_NEAR(contrast_ratio(rgb(0, 0, 0), rgb(255, 255, 255)), 21.0, 1e-9);
  EXPECT_NEAR(contrast_ratio(rgb(255, 255, 255), rgb(255, 255, 255)), 1.0, 1e-9);
  EXPECT_NEAR(contrast_ratio(rgb(118, 118, 118), rgb(255, 255, 255)), 4.54, 0.01);
  EXPECT_TRUE(is_dark(rgb(28, 30, 36)));
  EXPECT_FALSE(is_dark(ColorMgr::default_color(kColorBackground)));
}

TEST(ColorSchemesTest, DarkSchemesKeepEveryDigitAndMarkReadable) {
  for (int scheme : {kSchemeDark, kSchemeHighContrast}) {
    const ColorScheme& s = color_schemes()[scheme];
    EXPECT_TRUE(is_dark(s.colors[kColorBackground])) << s.name;
    for (int fg : kForegroundElements) {
      for (int bg : kBackgroundElements) {
        EXPECT_GE(contrast_ratio(s.colors[fg], s.colors[bg]), 4.5) << s.name << ": element " << fg << " on " << bg;
      }
    }
    EXPECT_GE(contrast_ratio(play_cursor_color(s.colors[0]), s.colors[0]), 3.0) << s.name;
  }
  EXPECT_GE(contrast_ratio(play_cursor_color(ColorMgr::default_color(0)), ColorMgr::default_color(0)), 3.0);
}

// ---- Drawing ----

class KeyboardPainting : public KeyboardPlay {
 protected:
  RecordingCanvas canvas;
  void paint() {
    canvas = RecordingCanvas{};
    grid.paint_grid(canvas, true, {0, 0, 300, 330}, false);
  }
  int lines_of(Colorref c) const {
    return static_cast<int>(
        std::count_if(canvas.lines.begin(), canvas.lines.end(), [&](const DrawnLine& l) { return l.color == c; }));
  }
};

TEST_F(KeyboardPainting, CursorBracketsOnlyWhileKeyboardPlayIsOn) {
  const Colorref cursor = play_cursor_color(ColorMgr::default_color(kColorBackground));
  go_to(2, 3);
  paint();
  EXPECT_EQ(lines_of(cursor), 8);
  for (const DrawnLine& l : canvas.lines) {
    if (l.color != cursor) continue;
    EXPECT_TRUE(l.x1 >= 99 && l.x1 <= 132 && l.y1 >= 66 && l.y1 <= 99) << l.x1 << "," << l.y1;
  }
  grid.run_command(kCmdKeyboardPlay);
  paint();
  EXPECT_EQ(lines_of(cursor), 0);
}

TEST_F(KeyboardPainting, LineStylesStandBesideColoursOnlyWhenAsked) {
  grid.run_command(kCmdKeyboardPlay);  // no cursor in the counts
  State& s = game.board().current();
  s.cell(0, 2).cellMark = kColorHintHighlight;
  s.cell(0, 2).digitMark[1] = kColorHintRemove;
  s.cell(0, 2).digitMark[4] = kColorHintSet;
  grid.char_typed("6");  // highlights cells with 6
  paint();
  const std::vector<DrawnLine> plain = canvas.lines;
  grid.run_command(kCmdNotByColorAlone);
  EXPECT_EQ(grid.settings().read_integer(kNotByColorAlone), 1);
  paint();
  // The highlighted cell's frame is dotted: many short pieces instead of four sides.
  EXPECT_GT(lines_of(ColorMgr::default_color(kColorHintHighlight)), 8);
  // The possibility to remove is struck through, the answer boxed.
  EXPECT_EQ(lines_of(ColorMgr::default_color(kColorHintRemove)), 1);
  EXPECT_EQ(lines_of(ColorMgr::default_color(kColorHintSet)), 4);
  // Highlighted cells get inner frames in the possibilities' colour.
  EXPECT_GT(canvas.lines.size(), plain.size() + 20);
  grid.run_command(kCmdNotByColorAlone);
  paint();
  EXPECT_EQ(canvas.lines.size(), plain.size());
}

}  // namespace
}  // namespace vantry::testing
