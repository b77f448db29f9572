// The button pane beside the grid: the most used commands as push buttons,
// the Difficulty and Strategy lists, nine highlight buttons with the rule and
// mode, the "Next move:" and "Solution status:" lines and the score. What it
// shows comes from the engine's ButtonPaneModel; every control hands its
// command to the game and gives the keyboard focus back to the grid.
#pragma once

#include <QAbstractButton>
#include <QHash>
#include <QWidget>
#include <functional>

#include "classlib/view_observer.h"
#include "view/button_pane_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantry {

class Game;
class GridWindow;
struct PaneControl;

// A 20 x 20 highlight button drawn by the pane. Besides Qt's momentary down
// state it keeps its own pressed flag: the digit is highlighted.
class ODButton2 : public QAbstractButton {
  Q_OBJECT
 public:
  ODButton2(int digit, QColor face, QColor pressedColor, QWidget* parent = nullptr);
  void setPressed(bool on);
  bool pressed() const { return m_pressed; }
  // Drawn zoom times its size of 20 x 20, the digit in the pane's font.
  void setZoom(double zoom);
  QSize sizeHint() const override { return size(); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int m_digit;
  double m_zoom = 1;
  bool m_pressed = false;
  QColor m_face;
  QColor m_pressedColor;
};

class ButtonPane : public QWidget {
  Q_OBJECT
 public:
  // runCommand carries out a menu command id; focusGrid gives the grid the
  // keyboard focus.
  ButtonPane(Game& game, GridWindow& grid, std::function<void(int)> runCommand, std::function<void()> focusGrid,
             QWidget* parent = nullptr);

  // After the grid window's set-up: the check boxes from the settings, the
  // lists at the remembered choices, the score shown.
  void setUp();
  // The game's notification that statistics, lines or highlights changed.
  void refresh(PaneUpdate update);
  // The Difficulty and Strategy lists show the remembered choices, which a
  // menu command may just have changed.
  void showChoices();
  // The height that shows every control at zoom 1: the window's client is
  // made at least this high.
  int requiredHeight() const;
  // The pane's size at zoom 1.
  QSize baseSize() const { return m_baseSize; }
  // Fonts, controls and gaps drawn zoom times their size at 1 (1 to 2), so
  // the pane grows with the window.
  void setZoom(double zoom);
  double zoom() const { return m_zoom; }

  // The control with its id (6000-6039, or the command id of Where to Look
  // and Find Mistake), or null.
  QWidget* control(int id) const { return m_controls.value(id); }
  QLabel* scoreValue(ScoreField field) const { return m_values[int(field)]; }
  QLabel* nextMoveLine() const { return m_nextLine; }
  QLabel* statusLine() const { return m_statusLine; }
  ButtonPaneModel& model() { return m_model; }

 private:
  // A control of the table, made, connected and registered under its id.
  QWidget* addControl(const PaneControl& control);
  // A button of the table was clicked.
  void pushed(const PaneControl& control);
  void buildControls();
  void sizeControls();
  void clicked(int command);
  void showLines();
  void showScore();
  void showHighlight();
  void showDrill();

  Game& m_game;
  GridWindow& m_grid;
  ButtonPaneModel m_model;
  std::function<void(int)> m_runCommand;
  std::function<void()> m_focusGrid;
  QWidget* m_body = nullptr;
  QFont m_baseFont;
  QSize m_baseSize;
  double m_zoom = 1;
  QHash<int, QWidget*> m_controls;
  QLabel* m_values[6] = {};
  QLabel* m_labels[6] = {};
  QLabel* m_nextLine = nullptr;
  QLabel* m_statusLine = nullptr;
  QCheckBox* m_nextBox = nullptr;
  QCheckBox* m_statusBox = nullptr;
  QComboBox* m_difficulty = nullptr;
  QComboBox* m_strategy = nullptr;
  ODButton2* m_digits[10] = {};
};

}  // namespace vantry
