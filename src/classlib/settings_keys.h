// Every section and key the program keeps in its settings file, with its type
// and default, as data. Code that reads or writes a setting names one of these
// constants, so a key and its default are spelled in exactly one place.
#pragma once

#include "classlib/contract.h"

namespace vantry {

// An integer setting: read with read integer (a missing or non-numeric value
// gives the default) and written as decimal text.
struct IntegerKey {
  const char* section;
  const char* key;
  int default_value;
};

// A string setting, read into a buffer of size characters (the terminating
// zero included).
struct StringKey {
  const char* section;
  const char* key;
  const char* default_value;
  int size;
};

// Sections.
inline constexpr const char kPreferences[] = "Preferences";
inline constexpr const char kHighlight[] = "Highlight";
inline constexpr const char kButtons[] = "Buttons";
inline constexpr const char kCreate[] = "Create";
inline constexpr const char kPractice[] = "Practice";
inline constexpr const char kGeometry[] = "Geometry";
inline constexpr const char kColors[] = "Colors";

// Preferences: 0 = off, 1 = on unless noted.
inline constexpr IntegerKey kUserAns{kPreferences, "UserAns", 1};
inline constexpr IntegerKey kDelPoss{kPreferences, "DelPoss", 1};
inline constexpr IntegerKey kHideAns{kPreferences, "HideAns", 0};
inline constexpr IntegerKey kMarkNoPossibilities{kPreferences, "MarkNoPossibilities", 0};
inline constexpr IntegerKey kSingles{kPreferences, "Singles", 0};
inline constexpr IntegerKey kSolveSingles{kPreferences, "SolveSingles", 0};
inline constexpr IntegerKey kSolveSinglesTiming{kPreferences, "SolveSinglesTiming", 250};  // ms
inline constexpr IntegerKey kPrintInColor{kPreferences, "PrintInColor", 1};
inline constexpr IntegerKey kPrintBig{kPreferences, "PrintBig", 0};
inline constexpr IntegerKey kAllowAsymmetric{kPreferences, "AllowAsymmetric", 0};
// 1 = strategy lists in table order, 0 = alphabetical; read once at start-up.
inline constexpr IntegerKey kPracticeListOrder{kPreferences, "PracticeListOrder", 0};
inline constexpr IntegerKey kSystemColors{kPreferences, "SystemColors", 0};
// A command id: 11895-11900 = Color 1-6, 11894 = the last colour selected.
inline constexpr IntegerKey kDefaultColoring{kPreferences, "DefaultColoring", 11895};
// 1 = never warn again about shifted number keys.
inline constexpr IntegerKey kHideNumberError{kPreferences, "HideNumberError", 0};
// 1 = offer the getting-started instructions at the next start.
inline constexpr IntegerKey kTutorial{kPreferences, "Tutorial", 1};
// "Keyboard play": a play cursor, digits place answers, Alt+digit highlights.
inline constexpr IntegerKey kKeyboardPlay{kPreferences, "KeyboardPlay", 0};
// "Not by color alone": highlights and hint marks also differ by line style.
inline constexpr IntegerKey kNotByColorAlone{kPreferences, "NotByColorAlone", 0};
// The solution path panel: shown (1) or hidden, and on the left (1) or right of the grid.
inline constexpr IntegerKey kSolutionPath{kPreferences, "SolutionPath", 0};
inline constexpr IntegerKey kSolutionPathLeft{kPreferences, "SolutionPathLeft", 0};
// "Continue beyond the standard strategies": hints, Strategies used and Rate
// puzzle go on with the extended strategies when the standard ones are stuck.
inline constexpr IntegerKey kExtendedStrategies{kPreferences, "ExtendedStrategies", 0};
// "Show a difficulty score": Rate puzzle adds the score to the difficulty.
inline constexpr IntegerKey kDifficultyScore{kPreferences, "DifficultyScore", 0};

// Button pane placement, written as "Left", "Right" or "Hide": a value
// beginning with "L" places the pane left, one beginning with "R" right, any
// other hides it. Some readers use "R" as their default; both mean right.
inline constexpr StringKey kButtonsPlacement{kPreferences, "Buttons", "Right", 10};
inline constexpr const char kButtonsLeft[] = "Left";
inline constexpr const char kButtonsRight[] = "Right";
inline constexpr const char kButtonsHide[] = "Hide";

// "Skip solved #'s" for Next/Previous highlighting; written at every start.
inline constexpr IntegerKey kHighlightSkip{kHighlight, "Skip", 1};

// Button pane lines.
inline constexpr IntegerKey kButtonsNext{kButtons, "Next", 0};
inline constexpr IntegerKey kButtonsOKSoFar{kButtons, "OKSoFar", 0};

// A create command id: 11901 Easy ... 11906 Sadistic.
inline constexpr IntegerKey kLastDifficulty{kCreate, "LastDifficulty", 11901};
// A strategy number from 1; one above the number of strategies counts as 1.
inline constexpr IntegerKey kLastStrategy{kPractice, "LastStrategy", 1};

// Drills: the positions in one drill (1-100; anything else counts as the
// default), and the best drill of each strategy as "Score<n>" (percent, -1 =
// none yet) and "Time<n>" (seconds per position), n the table number.
inline constexpr const char kDrills[] = "Drills";
inline constexpr IntegerKey kDrillPositions{kDrills, "Positions", 10};
inline constexpr const char kDrillScorePrefix[] = "Score";
inline constexpr const char kDrillTimePrefix[] = "Time";

// Main window. The position is used only when both X and Y are 0 or more.
inline constexpr IntegerKey kGeometryX{kGeometry, "X", -1};
inline constexpr IntegerKey kGeometryY{kGeometry, "Y", -1};
inline constexpr IntegerKey kGeometryMaximized{kGeometry, "Maximized", 0};
// W and H have no fixed default: the height defaults to the base size, the
// width to the base size plus the pane's width when the pane is shown. The
// base is the small one on a desktop under 800 pixels wide or high.
inline constexpr const char kGeometryW[] = "W";
inline constexpr const char kGeometryH[] = "H";
inline constexpr int kBaseWindowSize = 651;
inline constexpr int kSmallBaseWindowSize = 516;
inline constexpr int kSmallDesktopBelow = 800;

// Every integer key with a fixed default, in the order above.
// clang-format off
inline constexpr IntegerKey kIntegerKeys[] = {
    kUserAns, kDelPoss, kHideAns, kMarkNoPossibilities, kSingles, kSolveSingles,
    kSolveSinglesTiming, kPrintInColor, kPrintBig, kAllowAsymmetric, kPracticeListOrder,
    kSystemColors, kDefaultColoring, kHideNumberError, kTutorial, kKeyboardPlay, kNotByColorAlone,
    kSolutionPath, kSolutionPathLeft, kExtendedStrategies, kDifficultyScore,
    kHighlightSkip, kButtonsNext, kButtonsOKSoFar, kLastDifficulty, kLastStrategy,
    kGeometryX, kGeometryY, kGeometryMaximized,
};
// clang-format on

// Floating dialogs: one section each, holding the main window corner the
// dialog is attached to (0 top-left, 1 top-right, 2 bottom-left, 3
// bottom-right) and the offset of its top-left corner from that corner.
inline constexpr const char kWelcomeDialog[] = "Welcome";
inline constexpr const char kEnterDialog[] = "EnterDlg";
inline constexpr const char kLittleMediumHintDialog[] = "LittleMediumHint";
inline constexpr const char kBigHintDialog[] = "BigHint";
inline constexpr const char kColorDialog[] = "ColorDlg";
inline constexpr const char* kDialogSections[] = {kWelcomeDialog, kEnterDialog, kLittleMediumHintDialog, kBigHintDialog,
                                                  kColorDialog};
constexpr IntegerKey dialog_corner(const char* section) { return {section, "Corner", 0}; }
constexpr IntegerKey dialog_dx(const char* section) { return {section, "DX", 0}; }
constexpr IntegerKey dialog_dy(const char* section) { return {section, "DY", 0}; }

// Colours, stored as red + 256 * green + 65536 * blue.
constexpr int colorref(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

struct ColorKey {
  const char* key;
  int default_value;
};

// One key per colour element, indexed by the element's number.
inline constexpr ColorKey kColorKeys[] = {
    {"Background", colorref(245, 255, 255)},            // 0
    {"AnswerGiven", colorref(0, 0, 0)},                 // 1
    {"AnswerUser", colorref(106, 51, 51)},              // 2
    {"Possible", colorref(0, 0, 0)},                    // 3
    {"PossibleUserDeleted", colorref(210, 210, 210)},   // 4
    {"Digits_Enter", colorref(128, 128, 128)},          // 5
    {"Digits_Create", colorref(192, 192, 192)},         // 6
    {"Lines", colorref(48, 48, 160)},                   // 7
    {"Hint_Remove", colorref(240, 0, 0)},               // 8
    {"Hint_Set", colorref(0, 220, 0)},                  // 9
    {"Hint_Chains", colorref(0, 220, 0)},               // 10
    {"Hint_XOut", colorref(240, 0, 240)},               // 11
    {"Hint_Highlight", colorref(128, 0, 240)},          // 12
    {"Highlight_Digits", colorref(0, 140, 255)},        // 13
    {"Highlight_BG_Normal", colorref(230, 230, 230)},   // 14
    {"Highlight_BG_2OrMore", colorref(255, 230, 230)},  // 15
    {"Highlight_BG_All", colorref(230, 255, 230)},      // 16
    {"Highlight_BG_Only", colorref(255, 255, 215)},     // 17
    {"NakedSingle", colorref(240, 0, 240)},             // 18
    {"NoPossibilities", colorref(240, 0, 0)},           // 19
    {"HighlightButtons", colorref(230, 255, 230)},      // 20
    {"Coloring1", colorref(64, 240, 64)},               // 21
    {"Coloring2", colorref(192, 240, 192)},             // 22
    {"Coloring3", colorref(240, 92, 92)},               // 23
    {"Coloring4", colorref(240, 192, 192)},             // 24
    {"Coloring5", colorref(128, 164, 240)},             // 25
    {"Coloring6", colorref(192, 220, 240)},             // 26
};
inline constexpr int kColorElements = sizeof kColorKeys / sizeof kColorKeys[0];
static_assert(kColorElements == 27);

constexpr IntegerKey color_key(int element) {
  VANTRY_ASSERT(element >= 0 && element < kColorElements);
  return {kColors, kColorKeys[element].key, kColorKeys[element].default_value};
}

}  // namespace vantry
