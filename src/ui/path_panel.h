// The solution path beside the grid: the steps the engine takes from the
// position in play, worked out on a worker thread with its own engine and
// started again whenever the position changes. Selecting a step shows that
// position on the grid, read-only, with the step's Big hint marks; the panel
// applies the path up to a step and copies it as text.
#pragma once

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "game/solution_path.h"
#include "model/state.h"

class QHBoxLayout;
class QLabel;
class QTreeWidget;
class QPushButton;
class QTextEdit;
class QTimer;

namespace vantry {

class Game;
class GridWindow;
class IniFile;
class TSWindow;

class PathPanel : public QWidget {
  Q_OBJECT
 public:
  // row is the layout that holds the grid's side of the window: the panel
  // puts itself at its left or right end.
  PathPanel(Game& game, IniFile& settings, TSWindow* grid, QHBoxLayout* row, QWidget* parent = nullptr);
  ~PathPanel() override;

  // The remembered visibility and side, at start-up (the frame is not widened).
  void setUp();
  // The panel's commands (show or hide, left, right); false for other ids.
  bool runCommand(int id);
  bool menuChecked(int id) const;

  // Something may have changed the position in play: a check follows soon,
  // and a changed position starts the path again.
  void positionMaybeChanged();
  // A new game: showing the panel counts as a Big hint again.
  void newGame();
  // The grid shows the game's own position again.
  void leavePreview();

  bool working() const { return m_running; }
  bool onLeft() const { return m_left; }
  bool shown() const { return m_shown; }
  const SolutionPath* path() const { return m_path.get(); }
  // For tests: computations started so far, and the most ever running at once.
  int computationsStarted() const { return m_started; }
  int mostRunningAtOnce() const { return m_mostAtOnce; }
  QTreeWidget* list() const { return m_list; }
  QLabel* heading() const { return m_heading; }
  QTextEdit* explanation() const { return m_explanation; }
  QPushButton* applyButton() const { return m_apply; }
  QPushButton* copyButton() const { return m_copy; }

 public slots:
  // Makes the path's steps up to the selected one on the game.
  void applyUpToHere();
  void copyPath();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setShown(bool shown, bool resizeFrame);
  void placeInRow();
  void checkPosition();
  void start();
  void stopAndWait();
  void finished(std::shared_ptr<SolutionPath> path, int generation);
  void showPath();
  void showNothing(const QString& heading);
  void selectStep(int index);
  void repaintGrid();
  bool puzzleInPlay() const;

  Game& m_game;
  IniFile& m_settings;
  // The grid's engine half outlives the window; its widget may go first.
  GridWindow& m_gridEngine;
  QPointer<TSWindow> m_grid;
  QHBoxLayout* m_row;
  QLabel* m_heading;
  QTreeWidget* m_list;
  QTextEdit* m_explanation;
  QPushButton* m_apply;
  QPushButton* m_copy;
  QTimer* m_check;

  bool m_shown = false;
  bool m_left = false;
  bool m_countedThisGame = false;

  // The worker: one at a time. A change while it runs stops it, and the new
  // computation starts once it has ended.
  std::thread m_thread;
  std::atomic<bool> m_stop{false};
  std::atomic<int> m_runningNow{0};
  bool m_running = false;
  bool m_restartWanted = false;
  int m_generation = 0;
  int m_started = 0;
  std::atomic<int> m_mostAtOnce{0};
  State m_computing;  // the position the running computation started from

  std::shared_ptr<SolutionPath> m_path;
  State m_preview;
};

}  // namespace vantry
