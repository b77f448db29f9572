// Starting and ending a run: the grid window's set-up with the
// getting-started question, the stored preferences applied with the menus,
// the first drawing's saved game or welcome choices, and the layout and
// floating-dialog arithmetic.
#include <gtest/gtest.h>

#include <filesystem>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "view/layout.h"
#include "view_fixture.h"

namespace vantry::testing {
namespace {

class Startup : public ViewTest {
 protected:
  MemorySettings file;
  void SetUp() override { game.attach_settings(file); }
};

TEST_F(Startup, GettingStartedIsAskedOnceAndColoursComeFromTheFile) {
  file.stored["Colors/Background"] = "255";
  grid.set_up();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "Welcome to Vantry");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(platform.help_topics, std::vector<int>({100}));
  EXPECT_EQ(platform.grid_background, rgb(255, 0, 0));
  grid.shut_down();
  EXPECT_EQ(file.stored["Preferences/Tutorial"], "0");
  EXPECT_EQ(file.stored["Colors/Background"], "255");
  EXPECT_EQ(file.stored.count("Colors/Coloring6"), 1u);
  platform.messages.clear();
  grid.set_up();
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Startup, MenusApplyTheStoredChoices) {
  file.stored["Preferences/SolveSingles"] = "1";  // pulls Singles on with it
  file.stored["Preferences/UserAns"] = "0";
  file.stored["Preferences/SolveSinglesTiming"] = "40";
  file.stored["Preferences/DefaultColoring"] = "11894";
  file.stored["Create/LastDifficulty"] = "11908";
  file.stored["Practice/LastStrategy"] = "99";
  file.stored["Preferences/SystemColors"] = "1";
  grid.set_up();
  grid.build_menus();
  const DisplaySwitches& s = grid.switches();
  EXPECT_TRUE(s.solve_singles && s.singles && s.deleted_possibilities);
  EXPECT_FALSE(s.user_answers || s.hide_answers || s.mark_no_possibilities);
  EXPECT_EQ(file.read_integer(kSingles), 1);
  EXPECT_EQ(grid.singles_delay_ms(), 40);
  EXPECT_TRUE(grid.menu_checked(kCmdLastColorSelected));
  EXPECT_TRUE(grid.menu_checked(kCmdSystemColors));
  EXPECT_EQ(game.chosen_difficulty(), Difficulty::Sadistic);
  EXPECT_EQ(grid.menu_text(kCmdPracticeBase + 1), "Naked single\bShift+P");
  EXPECT_EQ(file.read_integer(kLastStrategy), 1);
}

TEST_F(Startup, FirstDrawingWithoutASavedGameWelcomes) {
  // Anything but a saved game (which opens at once, as the real window
  // shows) gets the welcome choices, and a choice is carried out.
  platform.welcome_answers = {kCmdEnterPuzzle};
  platform.palette_limited = true;
  grid.first_drawing("notes.txt");
  EXPECT_EQ(platform.welcome_dialogs, 1);
  EXPECT_TRUE(game.entering());
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(platform.messages[0].text.rfind("Your display is set to show 256 or fewer colors.", 0), 0u);
  EXPECT_EQ(file.read_integer(kHighlightSkip), 1);
  EXPECT_TRUE(grid.highlight().skip_solved);
}

TEST(LayoutTest, DefaultSizesAndPanePlacement) {
  EXPECT_EQ(default_layout_size("Right", 200, 800, 600).width, 716);
  EXPECT_EQ(default_layout_size("Right", 200, 800, 600).height, 516);
  EXPECT_EQ(default_layout_size("l", 200, 1280, 1024).width, 851);
  EXPECT_EQ(default_layout_size("Hide", 200, 1280, 1024).width, 651);
  MemorySettings settings;
  settings.stored["Geometry/H"] = "400";
  EXPECT_EQ(layout_size(settings, 200, 1280, 1024).height, 400);
  EXPECT_EQ(layout_size(settings, 200, 1280, 1024).width, 851);

  PaneArrangement pane;
  EXPECT_TRUE(pane.arrange("Right", 200).relayout);
  EXPECT_FALSE(pane.arrange("Right", 200).relayout);
  PaneArrangement::Change hide = pane.arrange("Hide", 200);
  EXPECT_TRUE(hide.hide_pane);
  EXPECT_EQ(hide.frame_width_change, -200);
  EXPECT_EQ(hide.place, PanePlace::Hidden);
  PaneArrangement::Change left = pane.arrange("Left", 200);
  EXPECT_TRUE(left.show_pane);
  EXPECT_EQ(left.frame_width_change, 200);
  PaneArrangement::Change right = pane.arrange("Right", 200);  // shown already: only moved
  EXPECT_EQ(right.frame_width_change, 0);
  EXPECT_EQ(right.place, PanePlace::Right);
  EXPECT_EQ(pane.arrange("right", 200).place, PanePlace::Hidden);  // only capitals place it
}

TEST(LayoutTest, GeometryAndFloatingDialogs) {
  MemorySettings settings;
  save_geometry(settings, "Right", false, 10, 20, 900, 700, 3, 50);
  EXPECT_EQ(settings.read_integer("Geometry", "W", 0), 897);
  EXPECT_EQ(settings.read_integer("Geometry", "H", 0), 650);
  save_geometry(settings, "Left", true, 0, 0, 1920, 1080, 500, 0);  // maximised keeps the rest
  EXPECT_EQ(settings.read_integer(kGeometryX), 10);
  EXPECT_EQ(settings.read_integer("Geometry", "W", 0), 897);
  EXPECT_EQ(settings.read_integer(kGeometryMaximized), 1);

  // Closed near the owner's bottom-right corner: stored against that corner.
  const Rect owner{100, 100, 900, 700};
  const Rect dialog{800, 600, 1000, 700};
  const FloatPlacement p = float_dialog_close(owner, dialog);
  EXPECT_EQ(p.corner, 3);
  EXPECT_EQ(p.dx, -100);
  EXPECT_EQ(p.dy, -100);
  float_dialog_close(settings, kBigHintDialog, owner, dialog);
  // The owner moved: the dialog keeps its offset from the same corner.
  const Rect work{0, 0, 1920, 1040};
  const Rect moved = float_dialog_open(settings, kBigHintDialog, {300, 200, 1100, 800}, dialog, work);
  EXPECT_EQ(moved.left, 1000);
  EXPECT_EQ(moved.top, 700);
  EXPECT_EQ(moved.right - moved.left, 200);
  // Off the right of the screen: pulled back; an unknown corner counts as top-left.
  const Rect pulled = float_dialog_open({1700, 0, 1900, 300}, dialog, work, 7, 150, -50);
  EXPECT_EQ(pulled.right, 1920);
  EXPECT_EQ(pulled.top, 0);
  // A tie goes to the earlier corner.
  EXPECT_EQ(float_dialog_close({0, 0, 100, 100}, {40, 40, 60, 60}).corner, 0);
}

// Settings files with sizes and places no screen can hold: everything read
// from them is kept to the desktop, whatever int the file holds.
TEST(LayoutTest, AbsurdGeometryFromTheSettingsFileStaysOnTheDesktop) {
  const Rect desktop{0, 0, 1024, 768};
  const Rect work{0, 0, 1024, 740};
  const Rect owner{100, 50, 900, 700};
  const Rect dialog{0, 0, 300, 200};
  const int pane = 220;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VANTRY_TEST_DATA_DIR "/absurd_geometry")) {
    SCOPED_TRACE(entry.path().filename().string());
    ++files;
    PrivateIniFile settings(entry.path().c_str());
    const Size size = layout_size(settings, pane, desktop.right, desktop.bottom);
    EXPECT_GE(size.width, kSmallestGridWindow);
    EXPECT_LE(size.width, desktop.right);
    EXPECT_GE(size.height, kSmallestGridWindow);
    EXPECT_LE(size.height, desktop.bottom);
    if (pane_place(settings.read_string(kButtonsPlacement)) != PanePlace::Hidden) {
      EXPECT_GE(size.width, pane + kSmallestGridWindow);
    }
    const Point at = keep_on_desktop(settings.read_integer(kGeometryX), settings.read_integer(kGeometryY), size.width,
                                     size.height, desktop);
    EXPECT_GE(at.x, 0);
    EXPECT_LE(at.x + size.width, desktop.right);
    EXPECT_GE(at.y, 0);
    EXPECT_LE(at.y + size.height, desktop.bottom);
    for (const char* section : {"Welcome", "EnterDlg", "LittleMediumHint", "BigHint", "ColorDlg"}) {
      const Rect r = float_dialog_open(settings, section, owner, dialog, work);
      EXPECT_EQ(r.right - r.left, 300) << section;
      EXPECT_EQ(r.bottom - r.top, 200) << section;
      EXPECT_TRUE(r.left >= 0 && r.right <= work.right && r.top >= 0 && r.bottom <= work.bottom)
          << section << ": " << r.left << "," << r.top;
    }
  }
  EXPECT_EQ(files, 4);
}

TEST(LayoutTest, AFramedDialogReopensTenTimesWhereItWasLeft) {
  // A window manager frames the client: 24 pixels of title bar, 4 of border.
  // The dialog is placed by its client inside the frame's remembered place,
  // and its frame is what the close stores; near every corner of the owner,
  // and pulled inside the work area, the place must not creep.
  const Rect owner{200, 150, 1000, 800}, work{0, 0, 1280, 1000};
  const int left = 4, top = 24, right = 4, bottom = 4;
  for (const Rect start :
       {Rect{230, 160, 530, 360}, Rect{900, 700, 1200, 900}, Rect{-50, -40, 250, 160}, Rect{1100, 900, 1400, 1100}}) {
    MemorySettings settings;
    float_dialog_close(settings, kBigHintDialog, owner, start);
    Rect first{};
    for (int i = 0; i < 10; ++i) {
      const Rect frame = float_dialog_open(settings, kBigHintDialog, owner, start, work);
      const Rect client{frame.left + left, frame.top + top, frame.right - right, frame.bottom - bottom};
      const Rect framed{client.left - left, client.top - top, client.right + right, client.bottom + bottom};
      if (i == 0) first = framed;
      EXPECT_EQ(framed.left, first.left);
      EXPECT_EQ(framed.top, first.top);
      float_dialog_close(settings, kBigHintDialog, owner, framed);
    }
  }
}

TEST(LayoutTest, TheClientGrowsToShowTheWholePane) {
  // Lower than the pane: as high as the pane, and wider by as much so the
  // grid grows too, but no wider than the desktop.
  EXPECT_EQ(fit_pane({871, 651}, 766, 1920).height, 766);
  EXPECT_EQ(fit_pane({871, 651}, 766, 1920).width, 986);
  EXPECT_EQ(fit_pane({871, 651}, 766, 900).width, 900);
  EXPECT_EQ(fit_pane({871, 800}, 766, 1920).width, 871);  // high enough already
  // The pane grows with the client in eighths, as far as the height and half
  // the width allow, never below its own size nor above twice it.
  EXPECT_EQ(pane_zoom({871, 651}, {220, 640}), 1.0);
  EXPECT_EQ(pane_zoom({1400, 1000}, {220, 640}), 1.5);  // by the height: 1.56
  EXPECT_EQ(pane_zoom({800, 1400}, {220, 640}), 1.75);  // by half the width: 1.82
  EXPECT_EQ(pane_zoom({4000, 4000}, {220, 640}), kLargestPaneZoom);
  EXPECT_EQ(pane_zoom({300, 200}, {220, 640}), 1.0);
  // A window larger than the desktop keeps its top-left corner on it.
  const Point big = keep_on_desktop(500, -40, 2000, 300, {0, 0, 1024, 768});
  EXPECT_EQ(big.x, 0);
  EXPECT_EQ(big.y, 0);
}

}  // namespace
}  // namespace vantry::testing
