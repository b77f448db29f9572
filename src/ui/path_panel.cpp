#include "ui/path_panel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "ui/ts_window.h"

namespace vantry {

namespace {

// The strategy names in the colour of their level: Basic, Intermediate,
// Advanced, Superhuman. Mid tones, readable on light and dark backgrounds.
constexpr QRgb kLevelColors[kLevels] = {0x2e8b3c, 0x2f6fd0, 0xd0701a, 0xc8323c};

// A new position is looked at once the burst of repaints a move causes is over.
constexpr int kCheckDelayMs = 30;
// While the game runs a busy computation the look waits.
constexpr int kBusyRetryMs = 200;

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PathPanel::PathPanel(Game& game, IniFile& settings, TSWindow* grid, QHBoxLayout* row, QWidget* parent)
    : QWidget(parent), m_game(game), m_settings(settings), m_gridEngine(grid->grid()), m_grid(grid), m_row(row) {
  setObjectName(QStringLiteral("SolutionPath"));
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(6, 6, 6, 6);
  m_heading = new QLabel(this);
  m_heading->setWordWrap(true);
  QFont bold = m_heading->font();
  bold.setBold(true);
  m_heading->setFont(bold);
  box->addWidget(m_heading);

  m_list = new QTreeWidget(this);
  m_list->setColumnCount(3);
  m_list->setHeaderHidden(true);
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  // The columns are sized once a path is listed: measuring every row again
  // on each insertion would keep the user-interface thread from its events.
  m_list->header()->setSectionResizeMode(QHeaderView::Fixed);
  m_list->header()->setStretchLastSection(false);
  box->addWidget(m_list, 1);

  m_explanation = new QTextEdit(this);
  m_explanation->setReadOnly(true);
  m_explanation->setFixedHeight(fontMetrics().lineSpacing() * 8);
  box->addWidget(m_explanation);

  auto* buttons = new QHBoxLayout;
  m_apply = new QPushButton(QStringLiteral("Apply up to here"), this);
  m_copy = new QPushButton(QStringLiteral("Copy path"), this);
  buttons->addWidget(m_apply);
  buttons->addWidget(m_copy);
  box->addLayout(buttons);
  setFixedWidth(fontMetrics().averageCharWidth() * 46);

  m_check = new QTimer(this);
  m_check->setSingleShot(true);
  connect(m_check, &QTimer::timeout, this, &PathPanel::checkPosition);
  connect(m_list, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { selectStep(item ? item->data(0, Qt::UserRole).toInt() : -1); });
  connect(m_apply, &QPushButton::clicked, this, &PathPanel::applyUpToHere);
  connect(m_copy, &QPushButton::clicked, this, &PathPanel::copyPath);
  // Leaving the panel returns the grid to the game's position.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (m_gridEngine.preview() && (now == nullptr || !isAncestorOf(now))) leavePreview();
  });
  m_grid->installEventFilter(this);
  hide();
  showNothing({});
}

PathPanel::~PathPanel() {
  disconnect(qApp, nullptr, this, nullptr);
  // The grid outlives no preview of ours.
  if (m_gridEngine.preview() == &m_preview) m_gridEngine.set_preview(nullptr);
  stopAndWait();
}

void PathPanel::repaintGrid() {
  if (m_grid) m_grid->update();
}

// ---- Showing, hiding and the side ----

void PathPanel::setUp() {
  m_left = m_settings.read_integer(kSolutionPathLeft) == 1;
  setShown(m_settings.read_integer(kSolutionPath) == 1, false);
}

bool PathPanel::runCommand(int id) {
  switch (id) {
    case kCmdSolutionPath:
      m_settings.write_integer(kSolutionPath, m_shown ? 0 : 1);
      setShown(!m_shown, true);
      return true;
    case kCmdSolutionPathLeft:
    case kCmdSolutionPathRight:
      m_left = id == kCmdSolutionPathLeft;
      m_settings.write_integer(kSolutionPathLeft, m_left ? 1 : 0);
      placeInRow();
      return true;
    default: return false;
  }
}

bool PathPanel::menuChecked(int id) const {
  if (id == kCmdSolutionPath) return m_shown;
  if (id == kCmdSolutionPathLeft) return m_left;
  if (id == kCmdSolutionPathRight) return !m_left;
  return false;
}

void PathPanel::setShown(bool shown, bool resizeFrame) {
  m_shown = shown;
  QWidget* top = window();
  const bool widen = resizeFrame && top != this && !top->isMaximized() && !top->isFullScreen();
  if (shown) {
    placeInRow();
    setVisible(true);
    // The frame grows by the panel, so the grid keeps its size.
    if (widen) top->resize(top->width() + width(), top->height());
    positionMaybeChanged();
  } else {
    leavePreview();
    setVisible(false);
    m_stop = true;
    m_restartWanted = false;
    if (widen) top->resize(top->width() - width(), top->height());
  }
}

void PathPanel::placeInRow() {
  m_row->removeWidget(this);
  if (m_left) m_row->insertWidget(0, this);
  else m_row->addWidget(this);
}

// ---- Following the position ----

void PathPanel::positionMaybeChanged() {
  if (m_shown && !m_check->isActive()) m_check->start(kCheckDelayMs);
}

void PathPanel::newGame() {
  m_countedThisGame = false;
  positionMaybeChanged();
}

bool PathPanel::puzzleInPlay() const { return m_game.puzzle_valid() && !m_game.entering() && !m_game.creating(); }

void PathPanel::checkPosition() {
  if (!m_shown) return;
  if (m_game.busy().is_busy() || m_game.auto_solving()) {
    m_check->start(kBusyRetryMs);
    return;
  }
  if (!puzzleInPlay()) {
    m_stop = true;
    m_restartWanted = false;
    m_path.reset();
    leavePreview();
    showNothing({});
    return;
  }
  // Seeing the path is seeing every hint at once: once a game, as a Big hint.
  if (!m_countedThisGame) {
    m_countedThisGame = true;
    m_game.count_hint(HintLevel::Big);
  }
  const State& now = m_game.board().current();
  if (m_running) {
    // One computation at a time: the stale one stops, the new one starts when it has.
    if (!same_position(now, m_computing)) {
      m_stop = true;
      m_restartWanted = true;
    }
    return;
  }
  if (m_path && path_starts_at(*m_path, now)) return;
  start();
}

void PathPanel::start() {
  leavePreview();
  m_path.reset();
  showNothing(QStringLiteral("Working out the solution path..."));
  m_computing = m_game.board().current();
  m_stop = false;
  m_running = true;
  ++m_started;
  const int generation = ++m_generation;
  const bool extended = m_game.engine().extended();
  m_thread = std::thread([this, start = m_computing, generation, extended] {
    const int running = ++m_runningNow;
    if (running > m_mostAtOnce) m_mostAtOnce = running;
    auto path = std::make_shared<SolutionPath>(work_out_path(start, m_stop, extended));
    --m_runningNow;
    QMetaObject::invokeMethod(
        this, [this, path, generation] { finished(path, generation); }, Qt::QueuedConnection);
  });
}

void PathPanel::stopAndWait() {
  m_stop = true;
  if (m_thread.joinable()) m_thread.join();
  m_running = false;
}

void PathPanel::finished(std::shared_ptr<SolutionPath> path, int generation) {
  if (m_thread.joinable()) m_thread.join();
  m_running = false;
  const bool restart = m_restartWanted;
  m_restartWanted = false;
  if (generation != m_generation || path->stopped || restart) {
    if (restart) checkPosition();
    return;
  }
  m_path = std::move(path);
  showPath();
  // A move made meanwhile without a repaint still gets its path.
  positionMaybeChanged();
}

// ---- The list ----

void PathPanel::showNothing(const QString& heading) {
  m_list->clear();
  m_heading->setText(heading);
  m_explanation->clear();
  m_apply->setEnabled(false);
  m_copy->setEnabled(false);
}

void PathPanel::showPath() {
  m_list->clear();
  m_explanation->clear();
  m_heading->setText(qs(path_heading(*m_path)));
  QList<QTreeWidgetItem*> items;
  const QFontMetrics metrics = m_list->fontMetrics();
  const int margin = metrics.averageCharWidth() * 2;
  int widths[3] = {metrics.horizontalAdvance(QStringLiteral("888.")), 0, 0};
  for (int i = 0; i < static_cast<int>(m_path->steps.size()); ++i) {
    const PathStep& step = m_path->steps[static_cast<std::size_t>(i)];
    const StrategyRow& row = strategy_row(step.move.row());
    auto* item = new QTreeWidgetItem(
        QStringList{QString::number(i + 1) + QLatin1Char('.'), QString::fromUtf8(row.name), qs(step.action)});
    item->setData(0, Qt::UserRole, i);
    item->setForeground(1, QColor(kLevelColors[row.level]));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(2, qs(step.action));
    widths[1] = std::max(widths[1], metrics.horizontalAdvance(item->text(1)));
    widths[2] = std::max(widths[2], metrics.horizontalAdvance(item->text(2)));
    items << item;
  }
  if (!m_path->solved) {
    auto* item = new QTreeWidgetItem(QStringList{QString(), qs(path_stuck_line(*m_path))});
    item->setData(0, Qt::UserRole, -1);
    item->setFlags(Qt::ItemIsEnabled);
    items << item;
  }
  for (int column = 0; column < 3; ++column) m_list->header()->resizeSection(column, widths[column] + margin);
  m_list->addTopLevelItems(items);
  if (!m_path->solved) m_list->topLevelItem(m_list->topLevelItemCount() - 1)->setFirstColumnSpanned(true);
  m_copy->setEnabled(true);
}

void PathPanel::selectStep(int index) {
  if (!m_path || index < 0 || index >= static_cast<int>(m_path->steps.size())) {
    leavePreview();
    return;
  }
  const PathStep& step = m_path->steps[static_cast<std::size_t>(index)];
  m_preview = step.before;
  step.move.mark_on(m_preview);
  m_gridEngine.set_preview(&m_preview);
  repaintGrid();
  m_explanation->setPlainText(qs(step.move.explanation()));
  m_apply->setEnabled(true);
}

void PathPanel::leavePreview() {
  if (m_list->currentItem() != nullptr) {
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentItem(nullptr);
    m_list->clearSelection();
  }
  m_explanation->clear();
  m_apply->setEnabled(false);
  if (m_gridEngine.preview() == nullptr) return;
  m_gridEngine.set_preview(nullptr);
  repaintGrid();
}

// ---- The two buttons ----

void PathPanel::applyUpToHere() {
  QTreeWidgetItem* item = m_list->currentItem();
  if (!m_path || item == nullptr) return;
  const int last = item->data(0, Qt::UserRole).toInt();
  leavePreview();
  if (!m_game.activity_guard() || !m_game.puzzle_guard()) return;
  if (apply_path_steps(m_game, *m_path, last) > 0) m_game.solved_check();
  positionMaybeChanged();
}

void PathPanel::copyPath() {
  if (m_path) m_game.services().set_clipboard_text(path_steps_text(*m_path));
}

// ---- The preview is read-only ----

bool PathPanel::eventFilter(QObject* watched, QEvent* event) {
  // A click or key on the grid while it shows a step only returns it to the
  // game's position: the step's position takes no moves.
  if (m_grid && watched == m_grid.data() && m_gridEngine.preview() != nullptr) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress: leavePreview(); return true;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PathPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && m_gridEngine.preview() != nullptr) {
    leavePreview();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace vantry
