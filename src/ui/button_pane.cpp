// The button pane's widgets: built from one table of controls, sized in
// groups from their texts in the pane's font, and refreshed from the engine's
// ButtonPaneModel whenever the game reports a change.
#include "ui/button_pane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "classlib/contract.h"
#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "view/color_mgr.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "view/highlight.h"
#include "strategy/difficulty.h"
#include "strategy/strategy.h"
#include "ui/pane_focus.h"
#include "ui/qt_canvas.h"

namespace vantry {

// The pane's buttons, lists and check boxes in the order they stand (which
// is also the order Tab visits them): what they are, their text and control
// id, the command a button's click runs (0: worked out when clicked, see
// ButtonPane::pushed), the group box and the cell of its grid they sit in,
// and for a button its size group: the buttons of one size group share the
// width of the widest text among them.
enum class Kind { Button, List, CheckBox };
enum class Box { Puzzles, Hints, Steps, Score };
struct PaneControl {
  Kind kind;
  const char* text;
  int id;
  int command;
  Box box;
  int row, column;
  int size_group = -1;
  int column_span = 1;
};

namespace {

constexpr int kGap = 6;
// The size group of a button as high as a check box rather than a button.
constexpr int kLowSizeGroup = 5;
constexpr int kSizeGroups = 8;

constexpr PaneControl kControls[] = {
    // "New Puzzles": Create runs the difficulty chosen in the list beside it
    // (what Ctrl+N runs), Practice the strategy chosen in its list.
    {Kind::Button, "Create", 6000, 0, Box::Puzzles, 0, 0, 0},
    {Kind::List, "Difficulty", 6037, 0, Box::Puzzles, 0, 1},
    {Kind::Button, "Practice", 6001, 0, Box::Puzzles, 1, 0, 0},
    {Kind::List, "Strategy", 6038, 0, Box::Puzzles, 1, 1},
    {Kind::Button, "Enter Puzzle", 6002, kCmdEnterPuzzle, Box::Puzzles, 2, 0, 1},
    {Kind::Button, "Save", 6003, kCmdSave, Box::Puzzles, 2, 1, 1},
    {Kind::Button, "Print", 6004, kCmdPrintPuzzle, Box::Puzzles, 3, 0, 1},
    {Kind::Button, "Open", 6005, kCmdOpen, Box::Puzzles, 3, 1, 1},
    {Kind::Button, "Save As", 6006, kCmdSaveAs, Box::Puzzles, 4, 0, 1},
    // Starts a drill of the chosen strategy; while one runs the same button
    // checks the move made on each of its positions. Sized alone, for its
    // longer text.
    {Kind::Button, "Check My Move", 6039, 0, Box::Puzzles, 4, 1, 2},
    // "Undo and Hints". Check Solution shares the first row: it only shows
    // while the status line is off, and the pane stays as low as it can. Find
    // Mistake takes the same place, offered only while the status line says
    // "NO SOLUTION!" (so never while Check Solution shows).
    {Kind::Button, "Start Over", 6007, kCmdStartOver, Box::Hints, 0, 0, 1},
    {Kind::Button, "Check Solution", 6014, kCmdCheckSolution, Box::Hints, 0, 1, 3},
    {Kind::Button, "Find Mistake", kCmdFindMistake, kCmdFindMistake, Box::Hints, 0, 1, 3},
    {Kind::Button, "Undo", 6008, kCmdUndo, Box::Hints, 1, 0, 4},
    {Kind::Button, "Undo until OK", 6009, kCmdUndoUntilOk, Box::Hints, 1, 1, 4},
    {Kind::Button, "Redo", 6010, kCmdRedo, Box::Hints, 2, 0, 4},
    {Kind::Button, "Little Hint", 6011, kCmdLittleHint, Box::Hints, 2, 1, 4},
    {Kind::Button, "Medium Hint", 6012, kCmdMediumHint, Box::Hints, 3, 0, 4},
    {Kind::Button, "Big Hint", 6013, kCmdBigHint, Box::Hints, 3, 1, 4},
    // The two optional lines (rows 5 and 7) each under its check box. The
    // gentlest hint shares the first box's row and is as high as the box: the
    // pane keeps its height, and with it the window's place and the grid's
    // size on a small screen.
    {Kind::CheckBox, "Next move:", 6020, 0, Box::Hints, 4, 0},
    {Kind::Button, "Where to Look", kCmdWhereToLook, kCmdWhereToLook, Box::Hints, 4, 1, kLowSizeGroup},
    {Kind::CheckBox, "Solution status:", 6021, 0, Box::Hints, 6, 0, -1, 2},
    // "Highlight": the row under the nine digits.
    {Kind::Button, "Next", 6015, kCmdHighlightNext, Box::Steps, 0, 0, 6},
    {Kind::Button, "Previous", 6016, kCmdHighlightPrevious, Box::Steps, 0, 1, 6},
    {Kind::Button, "Clear", 6017, kCmdHighlightClear, Box::Steps, 0, 2, 6},
    // "Score": under the six counters.
    {Kind::Button, "Pause Game", 6018, 0, Box::Score, 6, 0, 7},
    {Kind::Button, "Resume Game", 6019, 0, Box::Score, 6, 1, 7},
};

// The radio buttons: control id and the rule or mode command it runs.
struct RadioControl {
  const char* text;
  int id;
  int command;
};
constexpr RadioControl kRules[] = {{"Any", 6022, kCmdRuleAny},
                                   {"All", 6023, kCmdRuleAll},
                                   {"Only", 6024, kCmdRuleOnly},
                                   {"2 or More", 6025, kCmdRule2OrMore}};
constexpr RadioControl kModes[] = {{"Possibilities", 6026, kCmdModePossibilities},
                                   {"# of possibilities", 6027, kCmdModeCount}};

constexpr const char* kScoreLabels[] = {
    "Elapsed time:", "Moves made:", "Moves undone:", "Little hints:", "Medium hints:", "Big hints:"};

QString text(const std::string& s) { return QString::fromStdString(s); }

// The font at zoom times its size, in points or pixels as it was given.
QFont zoomed(QFont font, double zoom) {
  if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * zoom);
  else font.setPixelSize(qRound(font.pixelSize() * zoom));
  return font;
}

// The halved shade of a colour, for the shadow of a pressed face.
QColor halved(const QColor& c) { return QColor(c.red() / 2, c.green() / 2, c.blue() / 2); }

}  // namespace

// ---- ODButton2 ----

ODButton2::ODButton2(int digit, QColor face, QColor pressedColor, QWidget* parent)
    : QAbstractButton(parent), m_digit(digit), m_face(face), m_pressedColor(pressedColor) {
  setFixedSize(20, 20);
  setFocusPolicy(Qt::NoFocus);
}

void ODButton2::setPressed(bool on) {
  if (on == m_pressed) return;
  m_pressed = on;
  update();
}

void ODButton2::setZoom(double zoom) {
  m_zoom = zoom;
  setFixedSize(qRound(20 * zoom), qRound(20 * zoom));
}

void ODButton2::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Drawn in the 20 x 20 units of zoom 1: the digit's font is the pane's at 1.
  p.scale(width() / 20.0, height() / 20.0);
  p.setFont(zoomed(font(), 1 / m_zoom));
  const QFontMetrics metrics = p.fontMetrics();
  const QColor fill = m_pressed ? m_pressedColor : m_face;
  const QString digit = QString::number(m_digit);
  p.setPen(Qt::black);
  if (!isEnabled()) {
    // Disabled: a plain square; a pressed one keeps its digit on a disc.
    p.fillRect(rect(), m_face);
    if (m_pressed) {
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(m_pressedColor);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRectF(0.5, 0.5, 19, 19));
      p.setPen(Qt::black);
      p.drawText(10 - metrics.horizontalAdvance(digit) / 2, 15, digit);
    }
    return;
  }
  // Raised while the momentary down state agrees with the pressed flag,
  // sunken (and the digit one pixel down and right) while it does not.
  const bool raised = isDown() == m_pressed;
  const QColor light = Qt::white;
  const QColor shadow = m_pressed ? halved(m_pressedColor) : QColor(128, 128, 128);
  p.fillRect(rect(), fill);
  p.setPen(raised ? light : Qt::black);
  p.drawLine(0, 0, 18, 0);
  p.drawLine(0, 0, 0, 18);
  p.setPen(raised ? Qt::black : light);
  p.drawLine(0, 19, 19, 19);
  p.drawLine(19, 0, 19, 19);
  p.setPen(shadow);
  if (raised) {
    p.drawLine(1, 18, 18, 18);
    p.drawLine(18, 1, 18, 18);
  } else {
    p.drawLine(1, 1, 18, 1);
    p.drawLine(1, 1, 1, 18);
  }
  const int shift = raised ? 0 : 1;
  p.setPen(Qt::black);
  p.drawText(10 + shift - metrics.horizontalAdvance(digit) / 2, 15 + shift, digit);
  if (hasFocus()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(3, 3, 13, 13);
  }
}

// ---- ButtonPane ----

ButtonPane::ButtonPane(Game& game, GridWindow& grid, std::function<void(int)> runCommand,
                       std::function<void()> focusGrid, QWidget* parent)
    : QWidget(parent),
      m_game(game),
      m_grid(grid),
      m_model(game, grid),
      m_runCommand(std::move(runCommand)),
      m_focusGrid(std::move(focusGrid)) {
  setObjectName(QStringLiteral("buttonPane"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
  m_baseFont = font();
  buildControls();
  sizeControls();
  m_baseSize = QSize(width(), m_body->height());
  m_focusGrid = openPaneToKeyboard(*this, std::move(m_focusGrid));
}

QWidget* ButtonPane::addControl(const PaneControl& c) {
  QWidget* widget = nullptr;
  switch (c.kind) {
    case Kind::Button: {
      auto* button = new QPushButton(QString::fromLatin1(c.text));
      connect(button, &QPushButton::clicked, this, [this, &c] { pushed(c); });
      widget = button;
      break;
    }
    case Kind::List: {
      auto* list = new QComboBox;
      (c.id == 6037 ? m_difficulty : m_strategy) = list;
      connect(list, &QComboBox::activated, this, [this, list](int index) {
        const int choice = list->itemData(index).toInt();
        if (list == m_difficulty) m_game.choose_difficulty(create_command_difficulty(choice));
        else m_game.choose_strategy(choice);
        if (m_focusGrid) m_focusGrid();
      });
      widget = list;
      break;
    }
    case Kind::CheckBox: {
      auto* box = new QCheckBox(QString::fromLatin1(c.text));
      (c.id == 6020 ? m_nextBox : m_statusBox) = box;
      connect(box, &QCheckBox::clicked, this, [this, box](bool on) {
        if (box == m_nextBox) m_model.set_next_move_on(on);
        else m_model.set_status_on(on);
        showLines();
        if (m_focusGrid) m_focusGrid();
      });
      widget = box;
      break;
    }
  }
  widget->setFocusPolicy(Qt::NoFocus);
  m_controls.insert(c.id, widget);
  return widget;
}

void ButtonPane::pushed(const PaneControl& c) {
  switch (c.id) {
    case 6000: return clicked(create_command(m_game.chosen_difficulty()));
    case 6001: return clicked(kCmdPracticeBase + m_game.chosen_strategy());
    case 6039: return clicked(m_game.drill().running() ? kCmdCheckMyMove : kCmdStartDrill);
    case 6018:
    case 6019:
      // Pausing is no menu command: the pane asks the game itself.
      if (m_focusGrid) m_focusGrid();
      return c.id == 6018 ? m_game.pause_game() : m_game.resume_game();
    default: return clicked(c.command);
  }
}

void ButtonPane::clicked(int command) {
  // The grid has the keyboard before the command runs, and again after.
  if (m_focusGrid) m_focusGrid();
  if (m_runCommand) m_runCommand(command);
  if (m_focusGrid) m_focusGrid();
}

void ButtonPane::buildControls() {
  // The controls sit on a body at its natural height: the grid decides the
  // window's height, and a short window clips the pane's foot rather than
  // squeezing its controls.
  m_body = new QWidget(this);
  auto* column = new QVBoxLayout(m_body);
  column->setContentsMargins(kGap, kGap, kGap, kGap);
  column->setSpacing(kGap);
  auto group = [column](const char* title, QLayout* layout) {
    auto* box = new QGroupBox(QString::fromLatin1(title));
    box->setLayout(layout);
    layout->setContentsMargins(kGap, kGap, kGap, kGap);
    layout->setSpacing(kGap);
    column->addWidget(box);
    return box;
  };
  auto addControls = [this](Box box, auto add) {
    for (const PaneControl& c : kControls) {
      if (c.box == box) add(addControl(c), c);
    }
  };
  auto gridCell = [](QGridLayout* grid) {
    return [grid](QWidget* w, const PaneControl& c) { grid->addWidget(w, c.row, c.column, 1, c.column_span); };
  };

  // 1. "New Puzzles", with the Difficulty and Strategy lists.
  auto* puzzles = new QGridLayout;
  addControls(Box::Puzzles, gridCell(puzzles));
  group("New Puzzles", puzzles);
  for (int index = 0; index < kDifficultyCount; ++index) {
    const Difficulty d = difficulty_from_index(index);
    if (is_menu_difficulty(d)) m_difficulty->addItem(text(std::string(difficulty_name(d))), create_command(d));
  }
  std::vector<std::pair<QString, int>> strategies;
  for (int n = 1; n <= strategy_count(); ++n) strategies.emplace_back(QString::fromUtf8(strategy_row(n).name), n);
  if (m_game.settings().read_integer(kPracticeListOrder) != 1) {
    std::stable_sort(strategies.begin(), strategies.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  }
  for (const auto& [name, n] : strategies) m_strategy->addItem(name, n);

  // 2. "Undo and Hints" with the two optional lines.
  auto* hints = new QGridLayout;
  addControls(Box::Hints, gridCell(hints));
  m_nextLine = new QLabel(QStringLiteral("Weak singles chain contradiction"));
  m_statusLine = new QLabel(QStringLiteral("Puzzle cannot be solved!"));
  hints->addWidget(m_nextLine, 5, 0, 1, 2);
  hints->addWidget(m_statusLine, 7, 0, 1, 2);
  group("Undo and Hints", hints)->setObjectName(QStringLiteral("undoAndHints"));

  // 3. "Highlight": the nine digits, Next/Previous/Clear, rule and mode.
  auto* hl = new QVBoxLayout;
  auto* digits = new QHBoxLayout;
  digits->setSpacing(2);
  const QColor face = palette().color(QPalette::Button);
  // Read once: a changed colour shows at the next start.
  const QColor pressed = toQColor(m_grid.colors().get(kColorHighlightButtons));
  for (int d = 1; d <= 9; ++d) {
    m_digits[d] = new ODButton2(d, face, pressed);
    m_controls.insert(6027 + d, m_digits[d]);
    connect(m_digits[d], &ODButton2::clicked, this, [this, d] { clicked(kCmdHighlight1 + d - 1); });
    digits->addWidget(m_digits[d]);
  }
  digits->addStretch();
  hl->addLayout(digits);
  auto* steps = new QHBoxLayout;
  steps->setSpacing(kGap);
  addControls(Box::Steps, [steps](QWidget* w, const PaneControl&) { steps->addWidget(w); });
  steps->addStretch();
  hl->addLayout(steps);
  auto* rules = new QGridLayout;
  rules->setSpacing(kGap);
  auto addRadio = [this](const RadioControl& r) {
    auto* radio = new QRadioButton(QString::fromLatin1(r.text));
    radio->setFocusPolicy(Qt::NoFocus);
    radio->setAutoExclusive(false);  // the pane checks them from the grid's state
    m_controls.insert(r.id, radio);
    connect(radio, &QRadioButton::clicked, this, [this, command = r.command] {
      clicked(command);
      showHighlight();
    });
    return radio;
  };
  for (int i = 0; i < 4; ++i) rules->addWidget(addRadio(kRules[i]), i / 3, i % 3);
  hl->addLayout(rules);
  auto* modes = new QVBoxLayout;
  modes->setSpacing(0);
  for (const RadioControl& r : kModes) modes->addWidget(addRadio(r));
  hl->addLayout(modes);
  group("Highlight", hl);

  // 4. "Score": the six counters over Pause and Resume.
  auto* score = new QGridLayout;
  for (int i = 0; i < 6; ++i) {
    m_labels[i] = new QLabel(QString::fromLatin1(kScoreLabels[i]));
    m_values[i] = new QLabel(i == 0 ? QStringLiteral("00:00:00") : QStringLiteral("9999"));
    m_values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    score->addWidget(m_labels[i], i, 0);
    // The value's own width is that of its widest text: it stands at the
    // column's right edge, where the numbers line up.
    score->addWidget(m_values[i], i, 1, Qt::AlignRight);
  }
  addControls(Box::Score, gridCell(score));
  group("Score", score);
  score->setVerticalSpacing(0);
  // With 18 labels and 4 groups: 58 controls, and Where to Look and Find Mistake.
  VANTRY_ASSERT(m_controls.size() == 42);
}

void ButtonPane::sizeControls() {
  const QFontMetrics fm(font());
  int tallest = 0;
  // Every control of a group gets the widest text, rounded up to even, plus
  // the padding; the height is the tallest text measured so far plus its own.
  auto sizeGroup = [&](std::vector<QWidget*> group, int padW, int padH) {
    int widest = 0;
    for (QWidget* w : group) {
      QString t;
      if (auto* b = qobject_cast<QAbstractButton*>(w)) t = b->text();
      if (auto* l = qobject_cast<QLabel*>(w)) t = l->text();
      // The ink may stand a pixel beyond the advance: the wider measure counts.
      widest = std::max({widest, fm.horizontalAdvance(t), fm.boundingRect(QRect(), Qt::TextShowMnemonic, t).width()});
      tallest = std::max(tallest, fm.height());
    }
    widest += widest % 2;
    // A check box or radio button is never narrower than its style asks.
    int width = widest + qRound(padW * m_zoom);
    for (QWidget* w : group) {
      if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        width = std::max(width, w->sizeHint().width());
      }
    }
    for (QWidget* w : group) w->setFixedSize(width, tallest + qRound(padH * m_zoom));
  };
  auto ids = [this](std::initializer_list<int> list) {
    std::vector<QWidget*> v;
    for (int id : list) v.push_back(control(id));
    return v;
  };
  for (int g = 0; g < kSizeGroups; ++g) {
    std::vector<QWidget*> group;
    for (const PaneControl& c : kControls) {
      if (c.size_group == g) group.push_back(control(c.id));
    }
    sizeGroup(group, 8, g == kLowSizeGroup ? 2 : 8);
  }
  // The paddings make room for the check mark and the radio dot, which
  // this style may draw wider than the paddings allow.
  const QStyle* s = style();
  const int check =
      std::max(17, s->pixelMetric(QStyle::PM_IndicatorWidth) + s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 4);
  const int radio = std::max(
      20, s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 4);
  sizeGroup(ids({6020}), check, 2);
  sizeGroup(ids({6021}), check, 2);
  sizeGroup(ids({6022, 6023, 6024}), radio, 2);
  sizeGroup(ids({6025}), radio, 2);
  sizeGroup(ids({6026, 6027}), radio, 2);
  sizeGroup({m_nextLine}, 0, 2);
  sizeGroup({m_statusLine}, 0, 2);
  sizeGroup({m_labels[0]}, 0, 2);
  sizeGroup({m_values[0]}, 0, 2);
  sizeGroup({m_labels + 1, m_labels + 6}, 0, 2);
  sizeGroup({m_values + 1, m_values + 6}, 0, 2);
  // The pane is as wide as "Undo and Hints" plus the margins.
  auto* hints = findChild<QGroupBox*>(QStringLiteral("undoAndHints"));
  m_body->layout()->activate();
  setFixedWidth(hints->sizeHint().width() + qRound(2 * kGap * m_zoom));
  // Measured while every control is shown (the optional lines included),
  // so the body never has to grow when a line is turned on.
  m_body->setGeometry(0, 0, width(), m_body->sizeHint().height());
}

void ButtonPane::setUp() {
  m_nextBox->setChecked(m_game.settings().read_integer(kButtonsNext) != 0);
  m_statusBox->setChecked(m_game.settings().read_integer(kButtonsOKSoFar) != 0);
  m_model.set_up();
  showChoices();
  showDrill();
  showLines();
  showScore();
  showHighlight();
}

void ButtonPane::showChoices() {
  const int difficulty = m_difficulty->findData(create_command(m_game.chosen_difficulty()));
  VANTRY_ASSERT(difficulty >= 0);
  m_difficulty->setCurrentIndex(difficulty);
  const int strategy = m_game.chosen_strategy();
  VANTRY_ASSERT(strategy >= 1 && strategy <= strategy_count());
  m_strategy->setCurrentIndex(m_strategy->findData(strategy));
}

int ButtonPane::requiredHeight() const { return m_baseSize.height(); }

void ButtonPane::setZoom(double zoom) {
  if (zoom == m_zoom) return;
  m_zoom = zoom;
  setFont(zoomed(m_baseFont, zoom));
  // The gaps grow with the fonts; each layout's own are kept at the first zoom.
  for (QLayout* layout : m_body->findChildren<QLayout*>()) {
    if (!layout->property("baseMargin").isValid()) {
      layout->setProperty("baseMargin", layout->contentsMargins().left());
      layout->setProperty("baseSpacing", layout->spacing());
      if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        layout->setProperty("baseHSpacing", grid->horizontalSpacing());
        layout->setProperty("baseVSpacing", grid->verticalSpacing());
      }
    }
    const int margin = qRound(layout->property("baseMargin").toInt() * zoom);
    layout->setContentsMargins(margin, margin, margin, margin);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
      grid->setHorizontalSpacing(qRound(layout->property("baseHSpacing").toInt() * zoom));
      grid->setVerticalSpacing(qRound(layout->property("baseVSpacing").toInt() * zoom));
    } else {
      layout->setSpacing(qRound(layout->property("baseSpacing").toInt() * zoom));
    }
  }
  for (int d = 1; d <= 9; ++d) m_digits[d]->setZoom(zoom);
  QFont status = font();  // the status line's own font stays bold or not
  status.setBold(m_statusLine->font().bold());
  m_statusLine->setFont(status);
  sizeControls();
}

void ButtonPane::refresh(PaneUpdate update) {
  m_model.pane_changed(update);
  showDrill();
  showLines();
  showScore();
  showHighlight();
}

void ButtonPane::showLines() {
  m_nextLine->setVisible(m_model.next_move_on());
  m_nextLine->setText(text(m_model.next_move_line()));
  m_statusLine->setVisible(m_model.status_on());
  control(6014)->setVisible(m_model.check_solution_shown());
  control(kCmdFindMistake)->setVisible(m_model.find_mistake_offered());
  const StatusLine& status = m_model.status_line();
  m_statusLine->setText(text(status.text));
  QFont f = font();
  f.setBold(status.bold);
  m_statusLine->setFont(f);
  // The label draws with its foreground role, which on the pane's button-face
  // background is the button text's, not the window text's: both are set.
  QPalette p = m_statusLine->palette();
  p.setColor(QPalette::WindowText, toQColor(status.color));
  p.setColor(QPalette::ButtonText, toQColor(status.color));
  m_statusLine->setPalette(p);
}

void ButtonPane::showDrill() {
  const Drill& drill = m_game.drill();
  auto* button = static_cast<QPushButton*>(control(6039));
  button->setText(drill.running() ? QStringLiteral("Check My Move") : QStringLiteral("Drill"));
  // Which position of the drill is on the grid.
  button->setToolTip(drill.running() ? QStringLiteral("Position ") + text(drill.progress_text())
                                     : QStringLiteral("A drill of the strategy chosen in the list"));
}

void ButtonPane::showScore() {
  for (int i = 0; i < 6; ++i) m_values[i]->setText(text(m_model.score_text(ScoreField(i))));
}

void ButtonPane::showHighlight() {
  for (int d = 1; d <= 9; ++d) {
    m_digits[d]->setEnabled(m_model.digit_enabled(d));
    m_digits[d]->setPressed(m_model.digit_pressed(d));
  }
  const Highlight& h = m_grid.highlight();
  for (const RadioControl& r : kRules) {
    auto* radio = static_cast<QRadioButton*>(control(r.id));
    radio->setChecked(h.rule == r.command);
    radio->setEnabled(m_model.rules_enabled());
  }
  for (const RadioControl& r : kModes) static_cast<QRadioButton*>(control(r.id))->setChecked(h.mode == r.command);
}

}  // namespace vantry
