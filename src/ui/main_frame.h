// The main window: title, menu bar and accelerator keys built from the
// engine's menu tables, the layout window as its client, and the start-up
// and close sequences around them. Every menu item and key sends its command
// id to the engine, the grid's commands first.
#pragma once

#include <QMainWindow>
#include <QMap>
#include <string>

class QAction;
class QMenu;

namespace vantry {

class Game;
class GridWindow;
class IniFile;
class LayoutWindow;
class QtPlatform;
class ButtonPane;
class PathPanel;
class TSWindow;
struct MenuItem;

class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  MainFrame(Game& game, GridWindow& grid, QtPlatform& platform, IniFile& settings, std::string argument,
            QWidget* parent = nullptr);
  ~MainFrame() override;

  // Shows the frame at its remembered place and size (or maximised), sets
  // the grid window up, and lets the first drawing continue the start-up.
  void start();

  // Runs a command by id (the game hands the grid window's to it first).
  void runCommand(int id);
  // Check marks, enabled states and the two moving labels, asked again.
  void refreshMenus();

  QAction* action(int id) const { return m_actions.value(id, nullptr); }
  QList<QAction*> accelerators() const { return m_accelerators; }
  LayoutWindow* layoutWindow() const { return m_layout; }
  TSWindow* gridWindow() const { return m_gridWindow; }
  ButtonPane* buttonPane() const { return m_pane; }
  PathPanel* pathPanel() const { return m_pathPanel; }
  bool startupDone() const { return m_startupDone; }

 signals:
  // The first drawing's steps (welcome choices or the named game) are over.
  void startupFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void addItems(QMenu* menu, const MenuItem* items, std::size_t count);
  QAction* addCommand(QMenu* menu, const QString& text, int id);
  void addPracticeItems(QMenu* menu);
  void openColorDialog();
  void firstDrawing();
  // A close asked for during a computation closes the usual way once the
  // computation (cancelled by the request) is over.
  void closeWhenIdle();

  Game& m_game;
  GridWindow& m_grid;
  QtPlatform& m_platform;
  IniFile& m_settings;
  std::string m_argument;
  TSWindow* m_gridWindow;
  ButtonPane* m_pane;
  LayoutWindow* m_layout;
  PathPanel* m_pathPanel;
  QMap<int, QAction*> m_actions;
  QList<QAction*> m_accelerators;
  bool m_setUpDone = false;
  bool m_firstPainted = false;
  bool m_firstDrawingRun = false;
  bool m_startupDone = false;
};

}  // namespace vantry
