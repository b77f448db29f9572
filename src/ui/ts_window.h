// The grid window: a thin Qt widget over the engine's GridWindow. It paints by
// handing the engine a canvas over its painter, passes its size on, and
// forwards mouse buttons (with Shift and Control) and keys, mapped onto the
// engine's keys and characters. It also shows the chain cursor.
#pragma once

#include <QWidget>

class QCursor;

namespace vantry {

class GridWindow;
enum class GridKey;

class TSWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TSWindow(GridWindow& grid, QWidget* parent = nullptr);

  GridWindow& grid() { return m_grid; }
  // The grid's preferred size for the layout: the smallest square around it.
  QSize sizeHint() const override;
  void setBackground(const QColor& color);
  void showChainCursor(bool on);
  bool chainCursorShown() const { return m_chainCursor; }
  // The cursor drawn for chains: a pointer with a short chain beside it.
  static QCursor chainCursor();

  // The engine key for a Qt key event, GridKey::Other when it has none.
  static GridKey gridKey(int key, Qt::KeyboardModifiers modifiers);
  // The digit 1-9 of a key on the main keyboard's number row, found by the
  // key's position so Shift works on every layout; 0 for other keys.
  static int numberRowDigit(quint32 nativeScanCode);

  // The last move's sentence for assistive technology ("4 placed in row 1, column 3").
  QString lastAnnouncement() const { return m_announcement; }
  // The cell (row * 9 + column) assistive technology was last told has the focus.
  int accessibleFocusCell() const { return m_accessibleCursor; }

 signals:
  // The first drawing is done (the start-up continues from there).
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // With keyboard play on: the cursor keys, Delete and the digits; false
  // when the key is not one of them.
  bool playKeyPress(QKeyEvent* event);
  // After every key or click: assistive technology hears of a moved cursor
  // and of the move just made.
  void tellAssistiveTechnology();

  GridWindow& m_grid;
  int m_accessibleCursor = -1;
  QString m_announcement;
  bool m_painted = false;
  bool m_chainCursor = false;
};

}  // namespace vantry
