// The numeric identifiers of every command: menus, accelerator keys, the
// button pane and the welcome dialog all send these, and the grid window
// dispatches on them. The table names each one for menus and diagnostics.
#pragma once

#include <string_view>

#include "strategy/difficulty.h"
#include "strategy/strategy.h"

namespace vantry {

// File menu.
inline constexpr int kCmdEnterPuzzle = 11875;
inline constexpr int kCmdOpen = 24332;
inline constexpr int kCmdSave = 24333;
inline constexpr int kCmdSaveAs = 24334;
inline constexpr int kCmdPrintSetup = 11874;
inline constexpr int kCmdPrintPuzzle = 11845;
inline constexpr int kCmdPrintNoClues = 11873;
inline constexpr int kCmdPrintAnswers = 11878;
inline constexpr int kCmdPrintBlankGrid = 11876;
inline constexpr int kCmdExit = 24310;
// Create new: Easy (11901) to Sadistic (11906), a command a difficulty in
// the enum's order. The Create setting keeps the command id; older settings
// files may hold 11907 or 11908 for Superhuman and Unsolvable, which have no
// menu item (as commands those ids are Solve singles now and the Possibilities
// highlight mode).
inline constexpr int kCmdCreateEasy = 11901;
inline constexpr int kCmdCreateSadistic = 11906;
inline constexpr int kCmdCreateAgain = 11910;

// The one translation between create command ids and difficulties: every
// rated difficulty has an id (Superhuman 11907, Unsolvable 11908), NotRated
// has 0; an id outside 11901-11908 is NotRated.
constexpr int create_command(Difficulty d) {
  return d == Difficulty::NotRated ? 0 : kCmdCreateEasy - 1 + difficulty_index(d);
}
constexpr Difficulty create_command_difficulty(int command_id) {
  const int index = command_id - (kCmdCreateEasy - 1);
  return index >= 1 && index < kDifficultyCount ? difficulty_from_index(index) : Difficulty::NotRated;
}
// The difficulties the menus, the pane and the welcome dialog offer.
constexpr bool is_menu_difficulty(Difficulty d) { return d >= Difficulty::Easy && d <= Difficulty::Sadistic; }
// Practice: kCmdPracticeBase + table number; 11998 practises the remembered one.
inline constexpr int kCmdPracticeBase = 5000;
inline constexpr int kCmdPracticeAgain = 11998;
// Drills of the chosen strategy (the one Practice again practises).
inline constexpr int kCmdStartDrill = 12000;
inline constexpr int kCmdCheckMyMove = 12001;
inline constexpr int kCmdEndDrill = 12002;
// What those two items carry while no drill runs: nothing handles these ids,
// so the menu shows the items greyed.
inline constexpr int kCmdCheckMyMoveDisabled = 12011;
inline constexpr int kCmdEndDrillDisabled = 12012;
// Edit menu.
inline constexpr int kCmdCopy = 24323;
inline constexpr int kCmdPaste = 24324;
inline constexpr int kCmdImport = 11842;
inline constexpr int kCmdExport = 11843;
// Undo/Redo menu.
inline constexpr int kCmdUndo = 11847;
inline constexpr int kCmdRedo = 11846;
inline constexpr int kCmdUndoUntilOk = 11871;
inline constexpr int kCmdStartOver = 11866;
// Hint menu (the hint levels are the engine's modes).
inline constexpr int kCmdLittleHint = 11859;
inline constexpr int kCmdMediumHint = 11860;
inline constexpr int kCmdBigHint = 11848;
inline constexpr int kCmdShowAnswers = 11915;
// The gentlest hint (the pattern's cells framed) and Find my mistake.
inline constexpr int kCmdWhereToLook = 12040;
inline constexpr int kCmdFindMistake = 12041;
inline constexpr int kCmdSolveSinglesNow = 11908;
// Help menu.
inline constexpr int kCmdHelp = 11870;
inline constexpr int kCmdAbout = 2009;
inline constexpr int kCmdCheckSolution = 11844;
inline constexpr int kCmdRatePuzzle = 11865;
inline constexpr int kCmdStrategiesUsed = 11872;
// The buttons of the puzzle entry dialog.
inline constexpr int kEntryDoneEntering = 601;
inline constexpr int kEntryStartOver = 602;
inline constexpr int kEntryCancel = 603;

// ---- The grid window's commands: highlighting, naked singles, preferences ----
// Highlight menu: digits 1-9 are kCmdHighlight1 + d - 1; modes and rules in
// game/highlight.h.
inline constexpr int kCmdHighlight1 = 11849;
inline constexpr int kCmdHighlightClear = 11858;
inline constexpr int kCmdHighlightNext = 11863;
inline constexpr int kCmdHighlightPrevious = 11864;
inline constexpr int kCmdSkipSolved = 11880;
inline constexpr int kCmdSinglesDelay = 11893;
// Edit|Preferences.
inline constexpr int kCmdChangeColors = 11881;
inline constexpr int kCmdSystemColors = 11885;
inline constexpr int kCmdPaneLeft = 11882;
inline constexpr int kCmdPaneRight = 11883;
inline constexpr int kCmdPaneHide = 11884;
inline constexpr int kCmdUserAnswers = 11886;
inline constexpr int kCmdDeletedPossibilities = 11887;
inline constexpr int kCmdHideAnswers = 11888;
inline constexpr int kCmdSingles = 11889;
inline constexpr int kCmdSolveSingles = 11892;
inline constexpr int kCmdMarkNoPossibilities = 11912;
inline constexpr int kCmdPrintInColor = 11890;
inline constexpr int kCmdPrintBig = 11911;
inline constexpr int kCmdAllowAsymmetric = 11891;
inline constexpr int kCmdListByDifficulty = 11913;
inline constexpr int kCmdListAlphabetically = 11914;
inline constexpr int kCmdLastColorSelected = 11894;
inline constexpr int kCmdColor1 = 11895;  // ... 11900 Color 6
// Edit|Preferences|Accessibility.
inline constexpr int kCmdKeyboardPlay = 11916;
inline constexpr int kCmdNotByColorAlone = 11917;
// The solution path panel beside the grid: shown or hidden, and its side.
inline constexpr int kCmdSolutionPath = 12020;
inline constexpr int kCmdSolutionPathLeft = 12021;
inline constexpr int kCmdSolutionPathRight = 12022;
// Edit|Preferences|Hints.
inline constexpr int kCmdExtendedStrategies = 12060;
inline constexpr int kCmdDifficultyScore = 12061;
// The id "Indicate which cells you solved" carries while "Hide solved cells"
// is on: nothing handles it, so the menu shows the item greyed.
inline constexpr int kCmdUserAnswersDisabled = 18886;

struct CommandName {
  int id;
  std::string_view name;
};

// In menu order. The highlight, preference and colour commands of the grid
// window are ranges: 11849-11858 highlight 1-9 and Clear, 11881-11900 and
// 11911-11914 preferences.
inline constexpr CommandName kCommands[] = {
    {kCmdEnterPuzzle, "Enter puzzle"},
    {11901, "Create Easy"},
    {11902, "Create Medium"},
    {11903, "Create Hard"},
    {11904, "Create Expert"},
    {11905, "Create Devious"},
    {kCmdCreateSadistic, "Create Sadistic"},
    {kCmdCreateAgain, "Create again"},
    {kCmdOpen, "Open"},
    {kCmdSave, "Save"},
    {kCmdSaveAs, "Save as"},
    {kCmdPracticeAgain, "Practice again"},
    {kCmdStartDrill, "Start a drill"},
    {kCmdCheckMyMove, "Check my move"},
    {kCmdEndDrill, "End the drill"},
    {kCmdPrintSetup, "Print setup"},
    {kCmdPrintPuzzle, "Print puzzle"},
    {kCmdPrintNoClues, "Print puzzle, no clues"},
    {kCmdPrintAnswers, "Print answers"},
    {kCmdPrintBlankGrid, "Print blank solving grid"},
    {kCmdExit, "Exit"},
    {kCmdCopy, "Copy"},
    {kCmdPaste, "Paste"},
    {kCmdImport, "Import puzzle"},
    {kCmdExport, "Export puzzle"},
    {kCmdUndo, "Undo"},
    {kCmdRedo, "Redo"},
    {kCmdUndoUntilOk, "Undo until OK"},
    {kCmdStartOver, "Start over"},
    {kCmdWhereToLook, "Where to look"},
    {kCmdLittleHint, "Little hint"},
    {kCmdMediumHint, "Medium hint"},
    {kCmdBigHint, "Big hint"},
    {kCmdFindMistake, "Find my mistake"},
    {kCmdShowAnswers, "Show answers"},
    {kCmdSolveSinglesNow, "Solve naked singles now"},
    {kCmdSolutionPath, "Solution path"},
    {kCmdHelp, "Help"},
    {kCmdAbout, "About"},
    {kCmdCheckSolution, "Check solution"},
    {kCmdRatePuzzle, "Rate puzzle"},
    {kCmdStrategiesUsed, "Strategies used"},
};

}  // namespace vantry
