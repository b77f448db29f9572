// The colour manager over the settings, the system colours switch, the
// black-and-white palette, and the colour dialog's logic with Cancel.
#include <gtest/gtest.h>

#include "classlib/inifile.h"
#include "view/color_editor.h"
#include "game/commands.h"
#include "view_fixture.h"

namespace vantry::testing {
namespace {

TEST(ColorMgrTest, LoadsSavesAndFallsBackToDefaults) {
  MemorySettings settings;
  settings.stored["Colors/Background"] = "255";         // pure red
  settings.stored["Colors/Lines"] = "blue";             // not a number
  settings.stored["Colors/Hint_Set"] = "-5";            // not a colour
  settings.stored["Colors/Coloring6"] = "99999999999";  // beyond 24 bits
  ColorMgr colors;
  colors.load(settings);
  EXPECT_EQ(colors.get(kColorBackground), rgb(255, 0, 0));
  EXPECT_EQ(colors.get(kColorLines), rgb(48, 48, 160));
  EXPECT_EQ(colors.get(kColorHintSet), rgb(0, 220, 0));
  EXPECT_EQ(colors.get(26), rgb(192, 220, 240));

  colors.set(kColorAnswerUser, rgb(1, 2, 3));
  colors.save(settings);
  settings.flush(false);
  EXPECT_EQ(settings.stored["Colors/AnswerUser"], std::to_string(1 + 2 * 256 + 3 * 65536));
  EXPECT_EQ(settings.stored.count("Colors/Coloring1"), 1u);  // all 27 written
  colors.reset(kColorAnswerUser);
  EXPECT_EQ(colors.get(kColorAnswerUser), rgb(106, 51, 51));
}

TEST(ColorMgrTest, BlackAndWhitePaletteAndCopies) {
  ColorMgr colors;
  colors.set(kColorHintRemove, rgb(9, 9, 9));
  colors.set_color_mode(false);
  EXPECT_EQ(colors.get(kColorHintRemove), kGrey);  // whatever the colour was
  EXPECT_EQ(colors.get(kColorHintSet), kLightGrey);
  const ColorMgr copy = colors;
  EXPECT_FALSE(copy.color_mode());
  EXPECT_EQ(copy.stored(kColorHintRemove), rgb(9, 9, 9));
}

class Colors : public ViewTest {
 protected:
};

TEST_F(Colors, SystemColorsFollowThePlatform) {
  // A light desktop; on a dark one the other elements take the Dark scheme's colours.
  platform.system = {rgb(250, 240, 230), rgb(200, 0, 0)};
  grid.run_command(kCmdSystemColors);
  const ColorMgr& colors = grid.colors();
  EXPECT_EQ(colors.get(kColorBackground), rgb(250, 240, 230));
  EXPECT_EQ(colors.get(kColorAnswerGiven), rgb(200, 0, 0));
  EXPECT_EQ(colors.get(kColorPossible), rgb(200, 0, 0));
  EXPECT_EQ(colors.get(kColorAnswerUser), rgb(106, 51, 51));
  EXPECT_EQ(platform.grid_background, rgb(250, 240, 230));
  EXPECT_TRUE(grid.menu_checked(kCmdSystemColors));
  EXPECT_EQ(grid.settings().read_integer(kSystemColors), 1);
  grid.run_command(kCmdSystemColors);
  EXPECT_EQ(platform.grid_background, rgb(245, 255, 255));
  EXPECT_EQ(platform.system_color_reads, 1);  // read only while the switch is on
}

TEST_F(Colors, DialogChangesAtOnceAndCancelRestores) {
  const auto& entries = ColorEditor::entries();
  ASSERT_EQ(entries.size(), 27u);
  for (size_t i = 1; i < entries.size(); ++i) EXPECT_LT(entries[i - 1].name, entries[i].name);

  int background = 0;
  while (entries[background].element != kColorBackground) ++background;
  {
    ColorEditor dialog(game, grid);
    dialog.select(background);
    platform.color_answers = {rgb(1, 1, 1)};
    const int repaints = platform.repaints;
    EXPECT_FALSE(dialog.button(kColorEditorChange));
    EXPECT_EQ(platform.color_chooser_initials.back(), rgb(245, 255, 255));
    EXPECT_EQ(dialog.swatch(), rgb(1, 1, 1));
    EXPECT_EQ(platform.grid_background, rgb(1, 1, 1));
    EXPECT_GT(platform.repaints, repaints);
    EXPECT_FALSE(dialog.button(kColorEditorChange));  // the chooser cancelled: unchanged
    EXPECT_EQ(dialog.swatch(), rgb(1, 1, 1));
    EXPECT_FALSE(dialog.button(kColorEditorHelp));
    EXPECT_EQ(platform.help_topics.back(), 1500);
    EXPECT_TRUE(dialog.button(kColorEditorCancel));
  }
  EXPECT_EQ(grid.colors().get(kColorBackground), rgb(245, 255, 255));
  EXPECT_EQ(platform.grid_background, rgb(245, 255, 255));

  // The next opening selects the same entry; Default and OK keep the change.
  grid.colors().set(kColorLines, rgb(5, 5, 5));
  ColorEditor again(game, grid);
  EXPECT_EQ(again.position(), background);
  int lines = 0;
  while (entries[lines].element != kColorLines) ++lines;
  again.select(lines);
  again.button(kColorEditorDefault);
  EXPECT_TRUE(again.button(kColorEditorOk));
  EXPECT_EQ(grid.colors().get(kColorLines), rgb(48, 48, 160));
}

}  // namespace
}  // namespace vantry::testing
