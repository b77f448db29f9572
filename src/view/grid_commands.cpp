// The grid window's commands: highlighting, naked singles, the display and
// printer preferences with their rules, colours, pane placement, the default
// colouring, Show answers, Help, About and Exit; and what the menus show for
// them (check marks, the moving Ctrl+N and Shift+P labels).
#include <cctype>
#include <string>

#include "classlib/contract.h"
#include "classlib/inifile.h"
#include "classlib/system_services.h"
#include "classlib/view_observer.h"
#include "game/presented_game.h"
#include "model/board.h"
#include "strategy/game_messages.h"
#include "view/grid_window.h"
#include "view/menus.h"
#include "view/printing.h"
#include "game/recent_games.h"
#include "strategy/strategy_table.h"

namespace vantry {

namespace {

// The placement the menu shows: "Show on the left" for a value beginning
// with L or l, on the right for R or r, Hide for anything else.
int placement_command(const std::string& value) {
  const char first = value.empty() ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])));
  if (first == 'L') return kCmdPaneLeft;
  if (first == 'R') return kCmdPaneRight;
  return kCmdPaneHide;
}

const IntegerKey* display_key(int id) {
  switch (id) {
    case kCmdUserAnswers: return &kUserAns;
    case kCmdDeletedPossibilities: return &kDelPoss;
    case kCmdHideAnswers: return &kHideAns;
    case kCmdMarkNoPossibilities: return &kMarkNoPossibilities;
    case kCmdSingles: return &kSingles;
    case kCmdSolveSingles: return &kSolveSingles;
    case kCmdKeyboardPlay: return &kKeyboardPlay;
    case kCmdNotByColorAlone: return &kNotByColorAlone;
    default: return nullptr;
  }
}

const IntegerKey* stored_toggle_key(int id) {
  switch (id) {
    case kCmdPrintInColor: return &kPrintInColor;
    case kCmdPrintBig: return &kPrintBig;
    case kCmdAllowAsymmetric: return &kAllowAsymmetric;
    case kCmdExtendedStrategies: return &kExtendedStrategies;
    case kCmdDifficultyScore: return &kDifficultyScore;
    default: return nullptr;
  }
}

}  // namespace

bool GridWindow::run_command(int id) {
  SystemServices& services = my_game.services();
  ViewObserver& view = my_game.view();
  if (id >= kCmdHighlight1 && id <= kCmdHighlightClear) {
    highlight_digit(id == kCmdHighlightClear ? 0 : id - kCmdHighlight1 + 1, services.shift_held());
    return true;
  }
  if (display_key(id)) {
    // While answers are hidden the item carries a dead id; the command
    // itself changes nothing either.
    if (!(id == kCmdUserAnswers && my_switches.hide_answers)) toggle_display(id);
    return true;
  }
  if (const IntegerKey* key = stored_toggle_key(id)) {
    settings().write_integer(*key, settings().read_integer(*key) != 0 ? 0 : 1);
    if (id == kCmdExtendedStrategies) my_game.set_extended_strategies(settings().read_integer(*key) != 0);
    view.menus_changed();
    return true;
  }
  if (id == kCmdLastColorSelected || (id >= kCmdColor1 && id <= kCmdColor1 + 5)) {
    my_defaultColoring = id;
    settings().write_integer(kDefaultColoring, id);
    view.menus_changed();
    return true;
  }
  switch (id) {
    case kCmdModePossibilities:
    case kCmdModeCount: set_mode(id); return true;
    case kCmdRuleAny:
    case kCmdRule2OrMore:
    case kCmdRuleAll:
    case kCmdRuleOnly: set_rule(id); return true;
    case kCmdHighlightNext: next_highlight(true); return true;
    case kCmdHighlightPrevious: next_highlight(false); return true;
    case kCmdSkipSolved: toggle_skip_solved(); return true;
    case kCmdSolveSinglesNow: solve_singles_now(); return true;
    case kCmdSinglesDelay: set_delay_command(); return true;
    case kCmdChangeColors: services.color_dialog(); return true;
    case kCmdSystemColors:
      my_colors.set_system_colors(!my_colors.system_colors(), services);
      settings().write_integer(kSystemColors, my_colors.system_colors() ? 1 : 0);
      view.menus_changed();
      colors_changed();
      return true;
    case kCmdPaneLeft:
    case kCmdPaneRight:
    case kCmdPaneHide:
      settings().write_string(kButtonsPlacement, id == kCmdPaneLeft    ? kButtonsLeft
                                                 : id == kCmdPaneRight ? kButtonsRight
                                                                       : kButtonsHide);
      view.menus_changed();
      view.arrange_layout();
      return true;
    case kCmdListByDifficulty:
    case kCmdListAlphabetically:
      settings().write_integer(kPracticeListOrder, id == kCmdListByDifficulty ? 1 : 0);
      services.message_box("This change will take effect the next time you start Vantry.", kProductName,
                           MessageIcon::None, MessageButtons::Ok);
      return true;
    case kCmdShowAnswers:
      services.message_box(answers_text(), "Answers", MessageIcon::None, MessageButtons::Ok);
      return true;
    case kCmdHelp: services.show_help_contents(); return true;
    case kCmdAbout: services.about_dialog(); return true;
    case kCmdExit: view.close_main_window(); return true;
    // ---- Printing ----
    case kCmdPrintSetup: print_setup(my_game); return true;
    case kCmdPrintPuzzle:
    case kCmdPrintNoClues:
    case kCmdPrintAnswers:
    case kCmdPrintBlankGrid: print_command(my_game, *this, id); return true;
    default: return my_game.run_command(id);
  }
}

void GridWindow::set_switch(bool& value, const IntegerKey& key, bool on) {
  value = on;
  settings().write_integer(key, on ? 1 : 0);
}

void GridWindow::toggle_display(int id) {
  const IntegerKey* key = display_key(id);
  VANTRY_ASSERT(key != nullptr);
  DisplaySwitches& s = my_switches;
  bool* value = id == kCmdUserAnswers            ? &s.user_answers
                : id == kCmdDeletedPossibilities ? &s.deleted_possibilities
                : id == kCmdHideAnswers          ? &s.hide_answers
                : id == kCmdMarkNoPossibilities  ? &s.mark_no_possibilities
                : id == kCmdSingles              ? &s.singles
                : id == kCmdKeyboardPlay         ? &s.keyboard_play
                : id == kCmdNotByColorAlone      ? &s.not_by_color_alone
                                                 : &s.solve_singles;
  set_switch(*value, *key, !*value);
  // Solving singles needs their frames: the two switches pull each other.
  if (id == kCmdSingles && !s.singles && s.solve_singles) set_switch(s.solve_singles, kSolveSingles, false);
  if (id == kCmdSolveSingles && s.solve_singles && !s.singles) set_switch(s.singles, kSingles, true);
  my_game.view().menus_changed();
  repaint();
}

bool GridWindow::menu_checked(int id) const {
  if (id >= kCmdHighlight1 && id < kCmdHighlight1 + 9) return my_highlight.digits[id - kCmdHighlight1 + 1];
  switch (id) {
    case kCmdModePossibilities:
    case kCmdModeCount: return my_highlight.mode == id;
    case kCmdRuleAny:
    case kCmdRule2OrMore:
    case kCmdRuleAll:
    case kCmdRuleOnly: return my_highlight.rule == id;
    case kCmdSkipSolved: return my_highlight.skip_solved;
    case kCmdUserAnswers:
    case kCmdUserAnswersDisabled: return my_switches.user_answers;
    case kCmdDeletedPossibilities: return my_switches.deleted_possibilities;
    case kCmdHideAnswers: return my_switches.hide_answers;
    case kCmdMarkNoPossibilities: return my_switches.mark_no_possibilities;
    case kCmdSingles: return my_switches.singles;
    case kCmdSolveSingles: return my_switches.solve_singles;
    case kCmdKeyboardPlay: return my_switches.keyboard_play;
    case kCmdNotByColorAlone: return my_switches.not_by_color_alone;
    case kCmdSystemColors: return my_colors.system_colors();
    case kCmdPaneLeft:
    case kCmdPaneRight:
    case kCmdPaneHide: return placement_command(settings().read_string(kButtonsPlacement)) == id;
    case kCmdListByDifficulty: return settings().read_integer(kPracticeListOrder) == 1;
    case kCmdListAlphabetically: return settings().read_integer(kPracticeListOrder) != 1;
    default: break;
  }
  if (const IntegerKey* key = stored_toggle_key(id)) return settings().read_integer(*key) == 1;
  if (id == kCmdLastColorSelected || (id >= kCmdColor1 && id <= kCmdColor1 + 5)) return my_defaultColoring == id;
  return false;
}

int GridWindow::menu_item_id(int id) const {
  if (is_recent_game_command(id)) return recent_game_menu_id(settings(), id);
  if (id == kCmdUserAnswers && my_switches.hide_answers) return kCmdUserAnswersDisabled;
  if (id == kCmdCheckMyMove || id == kCmdEndDrill) return my_game.drill_menu_item_id(id);
  return id;
}

std::string GridWindow::menu_text(int id) const {
  // The Create and Practice items: a plain name, or the remembered one with its shortcut.
  if (id >= kCmdCreateEasy && id <= kCmdCreateSadistic) {
    std::string text(find_menu_item(id)->text);
    if (id == create_command(my_game.chosen_difficulty())) text += "\bCtrl+N";
    return text;
  }
  if (id > kCmdPracticeBase && id <= kCmdPracticeBase + kStrategyRows) {
    std::string text = kStrategyTable[id - kCmdPracticeBase - 1].name;
    if (id - kCmdPracticeBase == my_game.chosen_strategy()) text += "\bShift+P";
    return text;
  }
  if (is_recent_game_command(id)) return recent_game_menu_text(settings(), id);
  if (const MenuItem* item = find_menu_item(id == kCmdUserAnswersDisabled ? kCmdUserAnswers : id)) {
    return std::string(item->text);
  }
  return {};
}

std::string GridWindow::answers_text() const {
  const State& s = my_game.board().current();
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int d = s.cell(r, c).solution;
      text += static_cast<char>('0' + (d >= 1 && d <= 9 ? d : 0));
      text += c < 8 ? "    " : "\n";
    }
  }
  return text;
}

}  // namespace vantry
