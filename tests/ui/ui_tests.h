// The Qt Test classes: the platform calls' Qt faces and the dialogs; the
// grid widget's drawing and input; the frame's menus, layout and close.
#pragma once

#include <QObject>

namespace vantry::uitest {

class PlatformTest : public QObject {
  Q_OBJECT
 private slots:
  void messageBoxesShowTextsIconsButtonsAndMapAnswers_data();
  void messageBoxesShowTextsIconsButtonsAndMapAnswers();
  void messageBoxesAreWideEnoughForTheirCaption();
  void timersRunByIdAndSurviveTheirOwnKill();
  void busyDialogCentresAndCancelOnlyTells();
  void hintDialogsFollowTheirTemplates();
  void floatDlgRemembersTheNearestCornerAndStaysOnScreen();
  void fileDialogsConvertFiltersAndOptions();
  void clipboardRoundTrip();
  void inputAndColoringDialogs();
  void helpViewerShowsAMissingPageClearly();
};

class GridWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void canvasMeasuresCharacterHeightsAndDrawsInPixels();
  void geometryFollowsTheClientSize();
  void clicksOnSlotsPlaceRemoveAndRestore();
  void shiftDragBuildsAChainAndCtrlClickColours();
  void paintsWhatThePlayerShouldSee();
};

class FrameTest : public QObject {
  Q_OBJECT
 private slots:
  void menusMirrorTheTablesAndReachTheirCommands();
  void accelerators();
  void panePlacementWidensAndNarrowsTheFrame();
  void closeAsksToSaveAndStoresTheTightGeometry();
  void closeDuringAComputationCancelsItThenClosesTheUsualWay();
  void absurdStoredGeometryIsKeptOnTheScreen();
  void exportIsTitledAndPrintSetupIsQuiet();
  void startsAtTheStoredPlaceOrWithASavedGame();
  void aWholeGamePlayedByKeysAndClicks();
  void colorDialogShowsChangesAtOnceAndCancelRestores();
  void screenshotsOfTheMainWindowAndDialogs();
};

class ButtonPaneTest : public QObject {
  Q_OBJECT
 private slots:
  void buttonsReachTheirCommandsAndCountersFollow();
  void highlightButtonsFollowTheCountsInBothModes();
  void statusLineTextsColoursAndTheCheckBoxSetting();
  void listsFollowTheRememberedChoicesAtOnce();
  void everyControlIsInsideTheWindow();
  void scoreValuesStandAtTheRightEdge();
  void clockStopsWhileMinimised();
};

// Keyboard play, colour schemes, focus and accessibility.
class KeyboardPlayTest : public QObject {
  Q_OBJECT
 private slots:
  void anEasyPuzzleCreatedAndSolvedFromTheKeyboardAlone();
  void keysDoWhatTheyDidWhileKeyboardPlayIsOff();
  void tabReachesThePaneAndOnlyMouseClicksGiveTheGridBack();
  void schemesAndLineStylesRendered();
  void systemColorsFollowTheDesktopPaletteWhileRunning();
  void gridCellsAndControlsSpeakThroughQtAccessibility();
};

class DrillTest : public QObject {
  Q_OBJECT
 private slots:
  void drillThroughTheWindowReachesItsSummary();
  void helpPageLinkStartsPractice();
  void extendedGuideLinkPractisesItsStrategy();
};

// Find my mistake and Where to look through the window.
class MistakeTest : public QObject {
  Q_OBJECT
 private slots:
  void findMyMistakeIsOfferedByThePaneAndUndoesBack();
  void whereToLookFramesThePatternAndCountsALittleHint();
};

// The solution path panel beside the grid.
class PathPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void besideTheGridOnEitherSideRememberedAndCountedOnce();
  void aSelectedStepIsShownReadOnlyUntilLeft();
  void applyUpToHereAndCopyPath();
  void restartsOnEveryChangeButNeverRunsTwoAtOnce();
  void closingWhileThePathIsWorkedOut();
};

}  // namespace vantry::uitest
