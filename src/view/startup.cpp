// The grid window's part of starting and ending a run: colours and the
// keyboard's shifted digits when the window exists, the remembered choices
// and switches once the menus exist, the one-time checks and the welcome
// choices after the first drawing, and the colours saved at the end.
#include "classlib/inifile.h"
#include "classlib/system_services.h"
#include "classlib/view_observer.h"
#include "game/commands.h"
#include "game/presented_game.h"
#include "strategy/game_messages.h"
#include "view/grid_window.h"
#include "help/help_viewer.h"

namespace vantry {

namespace {

inline constexpr char kShiftedDigitError[] =
    "One of the number keys at the top of the keyboard produces an\nunuseable character when "
    "shifted.  This is frequently true for\ninternational keyboards, and makes these keys "
    "unreliable to use\nfor highlighting.  Therefore, please use the numeric keypad or\nthe "
    "number buttons on the screen instead to highlight cells.\n\nClick CANCEL to prevent this "
    "message from appearing again.";

inline constexpr char kGettingStartedQuestion[] =
    "Would you like to see the instructions on\nhow to get started with Vantry?\n\nIf you say "
    "No, you can always view them later\nby clicking \"Help\" on the Help menu and then\ngoing "
    "to \"Getting Started with Vantry.\"";

inline constexpr char kLimitedPaletteText[] =
    "Your display is set to show 256 or fewer colors.\nVantry will run with this setting, but "
    "some of\nthe colors you see will be degraded.\n\nWe recommend that you change your display "
    "settings\nto \"16 bit\" color, or higher, for the best quality.\n\nTo do this, go to the "
    "Control Panel and choose \"Display\";\nthen click the \"Settings\" tab.  Then restart "
    "Vantry.";

}  // namespace

void GridWindow::build_shifted_table() {
  bool unusable = false;
  for (int i = 0; i < 9; ++i) {
    std::string shifted = my_game.services().shifted_digit_key(static_cast<char>('1' + i));
    // A key that gives no single character with Shift cannot stand for its digit.
    int characters = 0;
    for (const char ch : shifted) characters += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    if (characters != 1) {
      shifted.clear();
      unusable = true;
    }
    my_shifted[i] = shifted;
  }
  if (unusable && settings().read_integer(kHideNumberError) == 0) {
    if (my_game.services().message_box(kShiftedDigitError, "Error", MessageIcon::None, MessageButtons::OkCancel) ==
        MessageAnswer::Cancel) {
      settings().write_integer(kHideNumberError, 1);
    }
  }
}

void GridWindow::set_up() {
  SystemServices& services = my_game.services();
  // Step 2 (the engine's own set-up, step 1, is the Game's). Colours first:
  // nothing is drawn before them.
  my_colors.load(settings());
  my_colors.set_system_colors(settings().read_integer(kSystemColors) != 0, services);
  my_game.view().set_grid_background(my_colors.get(kColorBackground));
  // Step 3.
  build_shifted_table();
  // Step 4. The getting-started question, once.
  if (settings().read_integer(kTutorial) == 1) {
    if (services.message_box(kGettingStartedQuestion, "Welcome to Vantry", MessageIcon::Question,
                             MessageButtons::YesNo) == MessageAnswer::Yes) {
      services.show_help_topic(kHelpGettingStarted);
    }
  }
  settings().write_integer(kTutorial, 0);
}

void GridWindow::build_menus() {
  // Steps 1 and 3. The remembered Create difficulty and Practice strategy.
  my_game.choose_difficulty(create_command_difficulty(settings().read_integer(kLastDifficulty)));
  my_game.choose_strategy(settings().read_integer(kLastStrategy));
  // Step 5. The default colouring choice.
  const int coloring = settings().read_integer(kDefaultColoring);
  my_defaultColoring = coloring == kCmdLastColorSelected || (coloring >= kCmdColor1 && coloring <= kCmdColor1 + 5)
                           ? coloring
                           : kCmdColor1;
  // Step 7. The stored display switches, each by its own toggle, in this order.
  const int toggles[] = {kCmdUserAnswers, kCmdDeletedPossibilities, kCmdMarkNoPossibilities, kCmdHideAnswers,
                         kCmdSingles,     kCmdSolveSingles};
  const IntegerKey* keys[] = {&kUserAns, &kDelPoss, &kMarkNoPossibilities, &kHideAns, &kSingles, &kSolveSingles};
  my_switches = {};
  for (int i = 0; i < 6; ++i) {
    // A switch already pulled on by an earlier one stays on.
    const bool* already[] = {&my_switches.user_answers,
                             &my_switches.deleted_possibilities,
                             &my_switches.mark_no_possibilities,
                             &my_switches.hide_answers,
                             &my_switches.singles,
                             &my_switches.solve_singles};
    if (settings().read_integer(*keys[i]) != 0 && !*already[i]) toggle_display(toggles[i]);
  }
  // The accessibility switches take effect without a toggle's repaint.
  my_switches.keyboard_play = settings().read_integer(kKeyboardPlay) != 0;
  my_switches.not_by_color_alone = settings().read_integer(kNotByColorAlone) != 0;
  my_game.set_extended_strategies(settings().read_integer(kExtendedStrategies) != 0);
  // Step 8. The delay; a value the dialog would refuse means the default.
  const int delay = settings().read_integer(kSolveSinglesTiming);
  my_singlesDelay = delay >= 0 && delay <= 2000 ? delay : kSolveSinglesTiming.default_value;
  // Steps 2, 4 and 6 are the menu layer's: it asks menu_checked and practice_menu.
  my_game.view().menus_changed();
}

void GridWindow::first_drawing(const std::string& argument) {
  SystemServices& services = my_game.services();
  // Step 1.
  if (services.limited_palette()) {
    services.message_box(kLimitedPaletteText, kProductName, MessageIcon::Information, MessageButtons::Ok);
  }
  // Step 2.
  my_highlight.skip_solved = settings().read_integer(kHighlightSkip) != 0;
  settings().write_integer(kHighlightSkip, my_highlight.skip_solved ? 1 : 0);
  my_switches.user_answers = settings().read_integer(kUserAns) != 0;
  my_switches.deleted_possibilities = settings().read_integer(kDelPoss) != 0;
  my_game.view().menus_changed();
  // Step 3. A saved game named on the command line.
  if (argument.find(".spz") != std::string::npos) {
    my_game.open_file(argument);
    return;
  }
  // Step 4. The welcome choices.
  const int choice = services.welcome_dialog();
  if (choice == kCmdEnterPuzzle || choice == kCmdOpen || (choice >= kCmdCreateEasy && choice <= kCmdCreateSadistic)) {
    run_command(choice);
  }
}

void GridWindow::shut_down() {
  my_colors.save(settings());
  settings().flush(false);
}

}  // namespace vantry
