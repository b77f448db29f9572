// The engine's drawing surface over a QPainter, so the one grid drawing
// serves the window, an off-screen pixmap and a printer page. Text is
// set in Arial (a metric-compatible face where Arial itself is missing) at a
// character height: ascent plus descent in pixels, the way the engine measures.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "classlib/canvas.h"

namespace vantry {

inline QColor toQColor(Colorref c) { return QColor(red_of(c), green_of(c), blue_of(c)); }
inline Colorref toColorref(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

class QtCanvas final : public Canvas {
 public:
  // The painter must outlive the canvas; its state is saved and restored.
  explicit QtCanvas(QPainter& painter);
  ~QtCanvas() override;

  void set_origin(int x, int y) override;
  void fill_rect(const Rect& r, Colorref color) override;
  void line(int x1, int y1, int x2, int y2, int width, Colorref color, LineCap cap) override;
  void set_font_height(int height) override;
  void measure(const std::string& text, int& width, int& height) override;
  void text_centred(int x, int top, const std::string& text, Colorref color, bool opaque, Colorref background) override;

  // The face every text uses, at a character height in pixels.
  static QFont gridFont(int height);

 private:
  QPainter& m_painter;
  QFont m_font;
};

}  // namespace vantry
