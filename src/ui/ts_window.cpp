#include "ui/ts_window.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "view/grid_window.h"
#include "ui/grid_accessible.h"
#include "ui/qt_canvas.h"

namespace vantry {

namespace {

GridMouse gridMouse(const QWidget* w, const QMouseEvent* e) {
  GridMouse m;
  const QPoint p = e->position().toPoint();
  m.x = p.x();
  m.y = p.y();
  m.shift = e->modifiers() & Qt::ShiftModifier;
  m.control = e->modifiers() & Qt::ControlModifier;
  const QPoint s = w->mapToGlobal(p);
  m.screen_x = s.x();
  m.screen_y = s.y();
  return m;
}

}  // namespace

TSWindow::TSWindow(GridWindow& grid, QWidget* parent) : QWidget(parent), m_grid(grid) {
  // Before anything asks for this widget's accessible interface.
  GridAccessible::install();
  setAccessibleName(QStringLiteral("Sudoku grid"));
  // The desktop's theme may change while the program runs.
  qApp->installEventFilter(this);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setMinimumSize(30, 30);
  setBackground(toQColor(m_grid.colors().get(0)));
}

QSize TSWindow::sizeHint() const {
  const int side = m_grid.geometry().preferred_size;
  return side > 30 ? QSize(side, side) : QSize(516, 516);
}

void TSWindow::setBackground(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  update();
}

QCursor TSWindow::chainCursor() {
  // A pointer with two chain links at its tail, hot spot at the tip.
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 17);
  arrow.lineTo(5, 13);
  arrow.lineTo(8, 20);
  arrow.lineTo(11, 19);
  arrow.lineTo(8, 12);
  arrow.lineTo(13, 12);
  arrow.closeSubpath();
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::black);
  p.drawPath(arrow);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 2; ++i) {
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(QRectF(14 + i * 7, 18 + i * 5, 10, 7));
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QRectF(14 + i * 7, 18 + i * 5, 10, 7));
  }
  p.end();
  return QCursor(pixmap, 1, 1);
}

void TSWindow::showChainCursor(bool on) {
  m_chainCursor = on;
  if (on) setCursor(chainCursor());
  else unsetCursor();
}

void TSWindow::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    QtCanvas canvas(painter);
    const QRect r = event->rect();
    m_grid.paint_grid(canvas, true, Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, false);
  }
  if (!m_painted) {
    m_painted = true;
    emit firstPainted();
  }
}

void TSWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_grid.resize(width(), height());
  updateGeometry();
}

void TSWindow::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::LeftButton) m_grid.left_down(gridMouse(this, event));
  else if (event->button() == Qt::RightButton) m_grid.right_down(gridMouse(this, event));
  else QWidget::mousePressEvent(event);
  tellAssistiveTechnology();
}

void TSWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_grid.left_up(gridMouse(this, event));
  else QWidget::mouseReleaseEvent(event);
}

void TSWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  // A quick second click is another click on the grid, not a gesture of its own.
  mousePressEvent(event);
}

GridKey TSWindow::gridKey(int key, Qt::KeyboardModifiers modifiers) {
  (void)modifiers;
  switch (key) {
    case Qt::Key_Shift: return GridKey::Shift;
    case Qt::Key_Space: return GridKey::Space;
    case Qt::Key_Insert: return GridKey::Insert;
    case Qt::Key_0: return GridKey::Zero;
    case Qt::Key_Clear: return GridKey::Clear;
    default: break;
  }
  // The keypad with NumLock off; the navigation keys beside it send the
  // same codes and behave alike.
  switch (key) {
    case Qt::Key_Home: return GridKey::Home;
    case Qt::Key_Up: return GridKey::Up;
    case Qt::Key_PageUp: return GridKey::PageUp;
    case Qt::Key_Left: return GridKey::Left;
    case Qt::Key_Right: return GridKey::Right;
    case Qt::Key_End: return GridKey::End;
    case Qt::Key_Down: return GridKey::Down;
    case Qt::Key_PageDown: return GridKey::PageDown;
    default: return GridKey::Other;
  }
}

int TSWindow::numberRowDigit(quint32 nativeScanCode) {
  // Key codes 10-18 (XKB's, under X11 and Wayland alike) are the number
  // row's 1-9 on every layout.
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland"))) return 0;
  return nativeScanCode >= 10 && nativeScanCode <= 18 ? int(nativeScanCode) - 9 : 0;
}

bool TSWindow::playKeyPress(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool control = mods & Qt::ControlModifier;
  // The keypad's arrows (NumLock off) keep their digit meaning; only the
  // real cursor keys move the play cursor.
  const bool keypad = mods & Qt::KeypadModifier;
  switch (event->key()) {
    case Qt::Key_Up: return !keypad && m_grid.play_key(PlayKey::Up);
    case Qt::Key_Down: return !keypad && m_grid.play_key(PlayKey::Down);
    case Qt::Key_Left: return !keypad && m_grid.play_key(PlayKey::Left);
    case Qt::Key_Right: return !keypad && m_grid.play_key(PlayKey::Right);
    case Qt::Key_Home: return !keypad && m_grid.play_key(control ? PlayKey::FirstCell : PlayKey::RowStart);
    case Qt::Key_End: return !keypad && m_grid.play_key(control ? PlayKey::LastCell : PlayKey::RowEnd);
    case Qt::Key_Delete:
    case Qt::Key_Backspace: return m_grid.play_key(PlayKey::Delete);
    default: break;
  }
  // A digit (the number row, or the keypad with NumLock on); Shift+digit
  // keeps adding highlights as before.
  if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9 && !(mods & Qt::ShiftModifier)) {
    return m_grid.play_digit(event->key() - Qt::Key_0, control, mods & Qt::AltModifier);
  }
  return false;
}

void TSWindow::keyPressEvent(QKeyEvent* event) {
  if (m_grid.switches().keyboard_play && playKeyPress(event)) {
    tellAssistiveTechnology();
    return;
  }
  const GridKey key = gridKey(event->key(), event->modifiers());
  if (key != GridKey::Other) m_grid.key_down(key);
  if (key == GridKey::Zero || key == GridKey::Space || key == GridKey::Insert) return;
  // Shift + a number-row key: whatever this layout types there, the engine
  // gets that digit's entry of its shifted table.
  const int rowDigit = numberRowDigit(event->nativeScanCode());
  if (rowDigit > 0 && (event->modifiers() & Qt::ShiftModifier) && !(event->modifiers() & Qt::KeypadModifier)) {
    const std::string& shifted = m_grid.shifted_digit(rowDigit - 1);
    if (!shifted.empty()) {
      m_grid.char_typed(shifted);
      return;
    }
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    m_grid.char_typed(text.toStdString());
    return;
  }
  if (key == GridKey::Other) QWidget::keyPressEvent(event);
}

void TSWindow::tellAssistiveTechnology() {
  const PlayCursor& cursor = m_grid.play_cursor();
  const int index = GridAccessible::cellIndex(cursor.row, cursor.column);
  const std::string announcement = m_grid.take_announcement();
  if (!announcement.empty()) {
    m_announcement = QString::fromStdString(announcement);
    QAccessibleEvent cellChanged(this, QAccessible::NameChanged);
    cellChanged.setChild(index);
    QAccessible::updateAccessibility(&cellChanged);
    QAccessibleEvent said(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&said);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
  }
  if (index != m_accessibleCursor && hasFocus()) {
    m_accessibleCursor = index;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
  }
}

void TSWindow::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  m_accessibleCursor = -1;  // the cell is announced again on the way back in
  tellAssistiveTechnology();
  update();
}

bool TSWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) m_grid.system_palette_changed();
  return QWidget::eventFilter(watched, event);
}

void TSWindow::keyReleaseEvent(QKeyEvent* event) {
  const GridKey key = gridKey(event->key(), event->modifiers());
  if (key != GridKey::Other) m_grid.key_up(key);
  else QWidget::keyReleaseEvent(event);
}

}  // namespace vantry
