#include "ui/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "view/layout.h"
#include "view/menus.h"
#include "ui/app_icon.h"
#include "ui/button_pane.h"
#include "ui/color_dialog.h"
#include "ui/layout_window.h"
#include "ui/path_panel.h"
#include "ui/qt_canvas.h"
#include "ui/qt_platform.h"
#include "ui/ts_window.h"

namespace vantry {

namespace {

// Menu texts keep their shortcut label after '\b'; Qt shows the part after
// a tab right-aligned.
QString menuText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
  s.replace(QLatin1Char('\b'), QLatin1Char('\t'));
  return s;
}

}  // namespace

MainFrame::MainFrame(Game& game, GridWindow& grid, QtPlatform& platform, IniFile& settings, std::string argument,
                     QWidget* parent)
    : QMainWindow(parent),
      m_game(game),
      m_grid(grid),
      m_platform(platform),
      m_settings(settings),
      m_argument(std::move(argument)) {
  setWindowTitle(QStringLiteral("Vantry"));
  setWindowIcon(vantryIcon());
  m_gridWindow = new TSWindow(m_grid);
  // The button pane: its commands run as the menus' do, and the grid keeps the keyboard.
  m_pane = new ButtonPane(
      game, grid, [this](int id) { runCommand(id); },
      [this] {
        activateWindow();
        m_gridWindow->setFocus();
      });
  m_layout = new LayoutWindow(settings, m_gridWindow, m_pane, this);
  // The solution path panel stands beside the grid and its pane, never over them.
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(m_layout, 1);
  m_pathPanel = new PathPanel(game, settings, m_gridWindow, row, central);
  setCentralWidget(central);

  MainWindowCalls& calls = m_platform.calls();
  calls.repaintGrid = [this] {
    m_gridWindow->update();
    m_pathPanel->positionMaybeChanged();
  };
  calls.setGridBackground = [this](Colorref c) { m_gridWindow->setBackground(toQColor(c)); };
  calls.setGridCursor = [this](GridCursor c) { m_gridWindow->showChainCursor(c == GridCursor::Chain); };
  calls.menusChanged = [this] { refreshMenus(); };
  calls.arrangeLayout = [this] { m_layout->arrange(); };
  calls.colorDialog = [this] { openColorDialog(); };
  calls.entryButton = [this](int id) { m_game.run_command(id); };
  calls.colorOf = [this](int element) { return m_grid.colors().get(element); };
  calls.clearHighlights = [this] { refreshMenus(); };
  calls.focusGrid = [this] {
    activateWindow();
    m_gridWindow->setFocus();
  };
  calls.paneChanged = [this](PaneUpdate update) {
    if (update == PaneUpdate::Highlight) refreshMenus();
    m_pane->refresh(update);
    if (update == PaneUpdate::Reset) m_pathPanel->newGame();
    else m_pathPanel->positionMaybeChanged();
  };
  m_platform.setMainWindow(this);

  connect(m_gridWindow, &TSWindow::firstPainted, this, [this] {
    m_firstPainted = true;
    if (m_setUpDone) QTimer::singleShot(0, this, &MainFrame::firstDrawing);
  });
  buildMenus();
}

MainFrame::~MainFrame() {
  // The platform outlives the frame: nothing may call back into it.
  m_platform.calls() = MainWindowCalls{};
  m_platform.setMainWindow(nullptr);
}

void MainFrame::start() {
  // 1. The size: the stored client size, or the default for this desktop,
  //    kept to the room the screen leaves beside the menu bar, and high
  //    enough for the whole button pane.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize desktop = screen ? screen->size() : QSize(1024, 768);
  const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), desktop);
  m_layout->arrange();
  m_pathPanel->setUp();
  const QSize room(available.width(), available.height() - menuBar()->sizeHint().height());
  const QSize client = m_layout->initialClientSize(desktop, room);
  m_layout->setFixedSize(client);  // the window's size follows its client...
  adjustSize();
  m_layout->setMinimumSize(0, m_layout->paneHeight());  // ...and is free again once it is set
  m_layout->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  // 2. The place when one is stored, kept on the screens, and the maximised state.
  const int x = m_settings.read_integer(kGeometryX);
  const int y = m_settings.read_integer(kGeometryY);
  if (x >= 0 && y >= 0) {
    const QRect desk = screen ? screen->availableVirtualGeometry() : available;
    const Point at = keep_on_desktop(x, y, width(), height(),
                                     {desk.left(), desk.top(), desk.left() + desk.width(), desk.top() + desk.height()});
    move(at.x, at.y);
  }
  if (m_settings.read_integer(kGeometryMaximized) == 1) showMaximized();
  else show();
  // 3. The grid window's set-up, then the menus' remembered choices.
  m_grid.set_up();
  m_pane->setUp();
  m_grid.build_menus();
  refreshMenus();
  m_setUpDone = true;
  if (m_firstPainted) QTimer::singleShot(0, this, &MainFrame::firstDrawing);
}

void MainFrame::firstDrawing() {
  if (m_firstDrawingRun) return;
  m_firstDrawingRun = true;
  m_grid.first_drawing(m_argument);
  m_gridWindow->setFocus();
  refreshMenus();
  m_startupDone = true;
  emit startupFinished();
}

void MainFrame::runCommand(int id) {
  // Every command works on the game's position, never on a step shown.
  m_pathPanel->leavePreview();
  if (!m_pathPanel->runCommand(id)) m_grid.run_command(id);
  refreshMenus();
}

// ---- Menus ----

QAction* MainFrame::addCommand(QMenu* menu, const QString& text, int id) {
  auto* action = menu->addAction(text);
  action->setData(id);
  connect(action, &QAction::triggered, this, [this, action] {
    // The id the item carries now: one that nothing handles does nothing.
    runCommand(action->data().toInt());
  });
  m_actions.insert(id, action);
  return action;
}

void MainFrame::addItems(QMenu* menu, const MenuItem* items, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const MenuItem& item = items[i];
    if (item.is_separator()) {
      menu->addSeparator();
    } else if (item.is_submenu() && item.submenu.front().id == kCmdPracticePlaceholder) {
      addPracticeItems(menu->addMenu(menuText(item.text)));
    } else if (item.is_submenu()) {
      addItems(menu->addMenu(menuText(item.text)), item.submenu.data(), item.submenu.size());
    } else {
      addCommand(menu, menuText(item.text), item.id);
    }
  }
}

void MainFrame::addPracticeItems(QMenu* menu) {
  // The order is read once: a change shows at the next start.
  const bool byDifficulty = m_settings.read_integer(kPracticeListOrder) == 1;
  for (const PracticeMenuItem& item : practice_menu(byDifficulty)) {
    if (item.id == 0) menu->addSeparator();
    else addCommand(menu, menuText(item.name), item.id);
  }
}

void MainFrame::buildMenus() {
  for (const MenuItem& top : kMenuBar) {
    QMenu* menu = menuBar()->addMenu(menuText(top.text));
    addItems(menu, top.submenu.data(), top.submenu.size());
    connect(menu, &QMenu::aboutToShow, this, &MainFrame::refreshMenus);
  }
  // The accelerator keys are actions of their own: some send commands that
  // no menu item carries (Ctrl+N, Shift+P), and the labels in the menus move.
  for (const Accelerator& a : kAccelerators) {
    auto* action = new QAction(this);
    Qt::KeyboardModifiers mods;
    if (a.control) mods |= Qt::ControlModifier;
    if (a.shift) mods |= Qt::ShiftModifier;
    action->setShortcut(QKeySequence(QKeyCombination(mods, Qt::Key(a.key))));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setData(a.id);
    const int id = a.id;
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    addAction(action);
    m_accelerators << action;
  }
}

void MainFrame::refreshMenus() {
  // The pane's two lists follow the remembered choices as the menus' labels do.
  m_pane->showChoices();
  for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
    const int id = it.key();
    QAction* action = it.value();
    const std::string text = m_grid.menu_text(id);
    if (!text.empty()) action->setText(menuText(text));
    action->setVisible(!text.empty());  // an unused place of Recent games
    const int carried = m_grid.menu_item_id(id);
    action->setData(carried);
    action->setEnabled(carried == id);
    const bool checked = m_grid.menu_checked(id) || m_pathPanel->menuChecked(id);
    action->setCheckable(checked);
    action->setChecked(checked);
  }
}

void MainFrame::openColorDialog() {
  ColorDialog dialog(this, m_game, m_grid, &m_settings);
  dialog.exec();
}

// ---- Closing ----

void MainFrame::closeWhenIdle() {
  if (!m_platform.close_requested()) return;
  if (m_game.busy().is_busy() || m_platform.insideComputation()) {
    QTimer::singleShot(50, this, &MainFrame::closeWhenIdle);
    return;
  }
  m_platform.forgetCloseRequest();
  close();
}

void MainFrame::closeEvent(QCloseEvent* event) {
  // During a long computation the close waits: the request cancels the
  // computation at its next poll, and once it has unwound the window closes
  // the usual way (the save question, then the settings written).
  if (m_game.busy().is_busy() || m_platform.insideComputation()) {
    m_platform.requestClose();
    if (m_game.busy().is_busy()) m_game.busy().cancel();
    event->ignore();
    QTimer::singleShot(50, this, &MainFrame::closeWhenIdle);
    return;
  }
  if (!m_game.query_close()) {
    event->ignore();
    return;
  }
  m_layout->saveGeometry(this);
  m_grid.shut_down();
  event->accept();
}

}  // namespace vantry
