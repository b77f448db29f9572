// The menu bar, its accelerator keys and the Practice submenu as data: the
// Qt layer builds its menus from these tables and asks the grid window for
// check marks and the two shortcut labels that move. A '\b' in an item's
// text separates the shortcut label the menu shows right-aligned.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "game/commands.h"
#include "view/highlight.h"
#include "game/recent_games.h"

namespace vantry {

struct MenuItem {
  constexpr MenuItem() = default;
  constexpr MenuItem(std::string_view text_, int id_) : text(text_), id(id_) {}
  constexpr MenuItem(std::string_view text_, int id_, std::span<const MenuItem> submenu_)
      : text(text_), id(id_), submenu(submenu_) {}

  std::string_view text;              // empty for a separator
  int id = 0;                         // 0 for a separator or a submenu
  std::span<const MenuItem> submenu;  // the items of a submenu
  bool is_separator() const { return text.empty(); }
  bool is_submenu() const { return !submenu.empty(); }
};

// The Practice submenu's placeholder: the items come from the strategy table
// at start-up (practice_menu).
inline constexpr int kCmdPracticePlaceholder = 5000;

// clang-format off
namespace menu_detail {
inline constexpr MenuItem kSeparator{};
inline constexpr MenuItem kCreateNew[] = {
    {"&Easy", 11901}, {"&Medium", 11902}, {"&Hard", 11903},
    {"&Expert", 11904}, {"&Devious", 11905}, {"&Sadistic", 11906},
};
inline constexpr MenuItem kPractice[] = {{"Dummy entry", kCmdPracticePlaceholder}};
// The texts are the grid window's (recent_games.h): the games' names.
inline constexpr MenuItem kRecentGames[] = {
    {"Recent game 1", kCmdRecentGame1},     {"Recent game 2", kCmdRecentGame1 + 1},
    {"Recent game 3", kCmdRecentGame1 + 2}, {"Recent game 4", kCmdRecentGame1 + 3},
    {"Recent game 5", kCmdRecentGame1 + 4}, {"Recent game 6", kCmdRecentGame1 + 5},
    {"Recent game 7", kCmdRecentGame1 + 6}, {"Recent game 8", kCmdRecentGame1 + 7},
};
inline constexpr MenuItem kFile[] = {
    {"&Enter puzzle\bCtrl+E", kCmdEnterPuzzle},
    {"Create &new", 0, kCreateNew},
    kSeparator,
    {"&Open...\bCtrl+O", kCmdOpen},
    {"&Save\bCtrl+S", kCmdSave},
    {"Save &as...\bCtrl+A", kCmdSaveAs},
    {"&Recent games", 0, kRecentGames},
    kSeparator,
    {"Practice", 0, kPractice},
    {"Start a &drill", kCmdStartDrill},
    {"Check my move\bShift+K", kCmdCheckMyMove},
    {"End the drill", kCmdEndDrill},
    kSeparator,
    {"&Print setup", kCmdPrintSetup},
    {"&Print puzzle\bCtrl+P", kCmdPrintPuzzle},
    {"&Print puzzle, no clues\bCtrl+X", kCmdPrintNoClues},
    {"Print answers", kCmdPrintAnswers},
    {"Print blank solving grid\bCtrl+G", kCmdPrintBlankGrid},
    kSeparator,
    {"E&xit", kCmdExit},
};
inline constexpr MenuItem kButtonsMenu[] = {
    {"Show on the left", kCmdPaneLeft}, {"Show on the right", kCmdPaneRight}, {"Hide", kCmdPaneHide}};
inline constexpr MenuItem kSolutionPathMenu[] = {
    {"Show on the left", kCmdSolutionPathLeft}, {"Show on the right", kCmdSolutionPathRight}};
inline constexpr MenuItem kColorsMenu[] = {
    {"Change colors", kCmdChangeColors}, {"Use system colors", kCmdSystemColors}};
inline constexpr MenuItem kNakedSingles[] = {
    {"Highlight naked singles", kCmdSingles},
    {"Automatically solve naked singles", kCmdSolveSingles},
    {"Set delay for automatic solving", kCmdSinglesDelay},
};
inline constexpr MenuItem kDefaultColoring[] = {
    {"Color 1", 11895}, {"Color 2", 11896}, {"Color 3", 11897}, {"Color 4", 11898},
    {"Color 5", 11899}, {"Color 6", 11900}, {"Last color selected", kCmdLastColorSelected},
};
inline constexpr MenuItem kCells[] = {
    {"Naked singles", 0, kNakedSingles},
    {"Default cell coloring choice", 0, kDefaultColoring},
    {"Show deleted possibilities", kCmdDeletedPossibilities},
    {"Mark cells with no possibilities", kCmdMarkNoPossibilities},
    {"Hide solved cells", kCmdHideAnswers},
    {"Indicate which cells you solved", kCmdUserAnswers},
};
inline constexpr MenuItem kPrinter[] = {
    {"Print puzzles in color", kCmdPrintInColor}, {"Print full size", kCmdPrintBig}};
inline constexpr MenuItem kStrategyList[] = {
    {"List alphabetically", kCmdListAlphabetically}, {"List by difficulty", kCmdListByDifficulty}};
inline constexpr MenuItem kPuzzle[] = {{"Allow asymmetric puzzles", kCmdAllowAsymmetric}};
inline constexpr MenuItem kAccessibility[] = {
    {"Keyboard play", kCmdKeyboardPlay}, {"Not by color alone", kCmdNotByColorAlone}};
inline constexpr MenuItem kHintPreferences[] = {
    {"Continue beyond the standard strategies", kCmdExtendedStrategies},
    {"Show a difficulty score", kCmdDifficultyScore}};
inline constexpr MenuItem kPreferences[] = {
    {"Buttons", 0, kButtonsMenu}, {"Solution path", 0, kSolutionPathMenu},
    {"Colors", 0, kColorsMenu}, {"Cells", 0, kCells},
    {"Printer", 0, kPrinter},     {"Strategy list", 0, kStrategyList}, {"Puzzle", 0, kPuzzle},
    {"Accessibility", 0, kAccessibility}, {"Hints", 0, kHintPreferences},
};
inline constexpr MenuItem kEdit[] = {
    {"&Copy\bCtrl+C", kCmdCopy},
    {"&Paste\bCtrl+V", kCmdPaste},
    kSeparator,
    {"Import puzzle", kCmdImport},
    {"Export puzzle", kCmdExport},
    kSeparator,
    {"Preferences", 0, kPreferences},
};
inline constexpr MenuItem kUndoRedo[] = {
    {"&Undo\bU", kCmdUndo},
    {"&Redo\bR", kCmdRedo},
    {"Undo until O&K\bShift+U", kCmdUndoUntilOk},
    kSeparator,
    {"Start o&ver\bShift+V", kCmdStartOver},
};
inline constexpr MenuItem kHint[] = {
    {"&Where to look\bW", kCmdWhereToLook},
    {"&Little hint\bL", kCmdLittleHint},
    {"&Medium hint\bM", kCmdMediumHint},
    {"&Big hint\bB", kCmdBigHint},
    kSeparator,
    {"&Find my mistake\bShift+F", kCmdFindMistake},
    {"Show answers", kCmdShowAnswers},
    {"Solution &path\bShift+H", kCmdSolutionPath},
    kSeparator,
    {"Solve naked singles now\bS", kCmdSolveSinglesNow},
};
inline constexpr MenuItem kHighlightMenu[] = {
    {"Possibilities", kCmdModePossibilities},
    {"# of possibilities", kCmdModeCount},
    kSeparator,
    {"1", 11849}, {"2", 11850}, {"3", 11851}, {"4", 11852}, {"5", 11853},
    {"6", 11854}, {"7", 11855}, {"8", 11856}, {"9", 11857},
    kSeparator,
    {"&Next\bN", kCmdHighlightNext},
    {"&Previous\bP", kCmdHighlightPrevious},
    {"Skip solved #'s", kCmdSkipSolved},
    kSeparator,
    {"Any", kCmdRuleAny},
    {"2 or more", kCmdRule2OrMore},
    {"All", kCmdRuleAll},
    {"Only", kCmdRuleOnly},
    kSeparator,
    {"&Clear\bC", kCmdHighlightClear},
};
inline constexpr MenuItem kSolution[] = {
    {"Check &solution\bShift+S", kCmdCheckSolution},
    {"Rate puzzle\bShift+R", kCmdRatePuzzle},
    {"Strategies used\bShift+T", kCmdStrategiesUsed},
};
inline constexpr MenuItem kHelpMenu[] = {
    {"&Help", kCmdHelp}, {"&About...", kCmdAbout}, kSeparator, {"Solution", 0, kSolution}};
}  // namespace menu_detail
// clang-format on

// The menu bar, left to right.
inline constexpr MenuItem kMenuBar[] = {
    {"&File", 0, menu_detail::kFile},
    {"&Edit", 0, menu_detail::kEdit},
    {"Undo/Redo", 0, menu_detail::kUndoRedo},
    {"&Hint", 0, menu_detail::kHint},
    {"&Highlight", 0, menu_detail::kHighlightMenu},
    {"&Help", 0, menu_detail::kHelpMenu},
};

// An accelerator: a letter key with its modifiers. Letters are upper case.
struct Accelerator {
  char key;
  bool control;
  bool shift;
  int id;
};

// clang-format off
inline constexpr Accelerator kAccelerators[] = {
    {'C', true, false, kCmdCopy},         {'V', true, false, kCmdPaste},
    {'B', false, false, kCmdBigHint},     {'M', false, false, kCmdMediumHint},
    {'L', false, false, kCmdLittleHint},  {'C', false, false, kCmdHighlightClear},
    {'N', false, false, kCmdHighlightNext}, {'P', false, false, kCmdHighlightPrevious},
    {'U', false, false, kCmdUndo},        {'R', false, false, kCmdRedo},
    {'R', false, true, kCmdRatePuzzle},   {'O', true, false, kCmdOpen},
    {'P', true, false, kCmdPrintPuzzle},  {'S', true, false, kCmdSave},
    {'A', true, false, kCmdSaveAs},       {'S', false, true, kCmdCheckSolution},
    {'E', true, false, kCmdEnterPuzzle},  {'X', true, false, kCmdPrintNoClues},
    {'U', false, true, kCmdUndoUntilOk},  {'T', false, true, kCmdStrategiesUsed},
    {'P', false, true, kCmdPracticeAgain}, {'N', true, false, kCmdCreateAgain},
    {'V', false, true, kCmdStartOver},    {'S', false, false, kCmdSolveSinglesNow},
    // The File menu shows Ctrl+G for the blank solving grid, so the key does that.
    {'G', true, false, kCmdPrintBlankGrid},
    {'K', false, true, kCmdCheckMyMove},
    {'W', false, false, kCmdWhereToLook}, {'F', false, true, kCmdFindMistake},
    {'H', false, true, kCmdSolutionPath},
};
// clang-format on

// The command an accelerator key sends, or 0.
int accelerator_command(char key, bool control, bool shift);

// One item of the Practice submenu: a strategy (id 5000 + table number) or
// a separator (id 0) between two levels of the table.
struct PracticeMenuItem {
  int id;
  std::string_view name;
};

// Alphabetically (by_difficulty false) or in table order with a separator
// wherever the level changes.
std::vector<PracticeMenuItem> practice_menu(bool by_difficulty);

// The item with this id anywhere in the menu bar, or null.
const MenuItem* find_menu_item(int id);

}  // namespace vantry
