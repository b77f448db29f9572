#include "ui/qt_canvas.h"

#include <QFontMetricsF>
#include <QPen>

namespace vantry {

QtCanvas::QtCanvas(QPainter& painter) : m_painter(painter), m_font(gridFont(16)) {
  m_painter.save();
  // Pixel-exact lines and fills: the grid's geometry is integer arithmetic.
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_painter.setFont(m_font);
}

QtCanvas::~QtCanvas() { m_painter.restore(); }

QFont QtCanvas::gridFont(int height) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Normal);
  // Qt sizes a font by its em; the engine asks for a character height
  // (ascent + descent). The face's ratio of the two turns one into the other.
  static const qreal emPerHeight = [] {
    QFont probe(QStringLiteral("Arial"));
    probe.setStyleHint(QFont::SansSerif);
    probe.setPixelSize(1000);
    const QFontMetricsF m(probe);
    return m.height() > 0 ? 1000.0 / m.height() : 1.0;
  }();
  font.setPixelSize(qMax(1, qRound(height * emPerHeight)));
  return font;
}

void QtCanvas::set_origin(int x, int y) {
  // The world transform only: a printer page's window and viewport stay.
  m_painter.setWorldTransform(QTransform::fromTranslate(x, y));
}

void QtCanvas::fill_rect(const Rect& r, Colorref color) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  m_painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), toQColor(color));
}

void QtCanvas::line(int x1, int y1, int x2, int y2, int width, Colorref color, LineCap cap) {
  QPen pen(toQColor(color));
  pen.setWidth(qMax(1, width));
  pen.setCapStyle(cap == LineCap::Flat ? Qt::FlatCap : Qt::RoundCap);
  if (width <= 1) pen.setCapStyle(Qt::SquareCap);  // a one-pixel line covers both end pixels
  m_painter.setPen(pen);
  m_painter.drawLine(x1, y1, x2, y2);
}

void QtCanvas::set_font_height(int height) {
  m_font = gridFont(height);
  m_painter.setFont(m_font);
}

void QtCanvas::measure(const std::string& text, int& width, int& height) {
  const QFontMetrics metrics(m_font);
  width = metrics.horizontalAdvance(QString::fromStdString(text));
  height = metrics.height();
}

void QtCanvas::text_centred(int x, int top, const std::string& text, Colorref color, bool opaque, Colorref background) {
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(m_font);
  const int width = metrics.horizontalAdvance(s);
  const int left = x - width / 2;
  if (opaque) m_painter.fillRect(QRect(left, top, width, metrics.height()), toQColor(background));
  m_painter.setPen(toQColor(color));
  m_painter.drawText(QPoint(left, top + metrics.ascent()), s);
}

}  // namespace vantry
