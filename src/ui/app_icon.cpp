#include "ui/app_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace vantry {

namespace {

QPixmap drawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal m = size / 16.0;
  const QRectF board(m, m, size - 2 * m, size - 2 * m);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 247, 238));
  p.drawRoundedRect(board, 2 * m, 2 * m);
  // The highlighted cell of a coach pointing at a move.
  const qreal cell = board.width() / 3;
  p.setBrush(QColor(255, 214, 102));
  p.drawRect(QRectF(board.left() + cell, board.top() + cell, cell, cell));
  p.setPen(QPen(QColor(40, 60, 110), qMax<qreal>(1, m * 0.6)));
  for (int i = 1; i < 3; ++i) {
    p.drawLine(QPointF(board.left() + i * cell, board.top()), QPointF(board.left() + i * cell, board.bottom()));
    p.drawLine(QPointF(board.left(), board.top() + i * cell), QPointF(board.right(), board.top() + i * cell));
  }
  p.setPen(QPen(QColor(40, 60, 110), qMax<qreal>(1.5, m)));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(board, 2 * m, 2 * m);
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(int(cell * 0.8));
  p.setFont(font);
  p.setPen(QColor(190, 40, 40));
  p.drawText(QRectF(board.left() + cell, board.top() + cell, cell, cell), Qt::AlignCenter, QStringLiteral("7"));
  return pixmap;
}

}  // namespace

QIcon vantryIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(drawIcon(size));
  return icon;
}

}  // namespace vantry
