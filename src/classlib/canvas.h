// A drawing surface in device pixels, as the grid and the printed page need
// it: filled rectangles, straight lines, one-line texts in one face (Arial)
// at a given character height. The engine draws through it; the Qt layer
// implements it over a QPainter on the window, a pixmap or a printer page,
// and tests record the calls.
#pragma once

#include <cstdint>
#include <string>

namespace vantry {

// A colour as the settings file stores it: 0x00BBGGRR.
using Colorref = std::uint32_t;
constexpr Colorref rgb(int r, int g, int b) {
  return static_cast<Colorref>(r) | static_cast<Colorref>(g) << 8 | static_cast<Colorref>(b) << 16;
}
constexpr int red_of(Colorref c) { return c & 0xFF; }
constexpr int green_of(Colorref c) { return (c >> 8) & 0xFF; }
constexpr int blue_of(Colorref c) { return (c >> 16) & 0xFF; }

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

enum class LineCap { Round, Flat };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Every later coordinate is moved by (x, y).
  virtual void set_origin(int x, int y) = 0;
  virtual void fill_rect(const Rect& r, Colorref color) = 0;
  // A solid line of the given pen width, both end points included.
  virtual void line(int x1, int y1, int x2, int y2, int width, Colorref color, LineCap cap = LineCap::Round) = 0;

  // Text in the one face (Arial, normal weight) at a character height in
  // pixels. With an opaque background the text's cell is filled first.
  virtual void set_font_height(int height) = 0;
  // Width and height of text in the current font.
  virtual void measure(const std::string& text, int& width, int& height) = 0;
  // Draws text horizontally centred on x with its top at y.
  virtual void text_centred(int x, int top, const std::string& text, Colorref color, bool opaque,
                            Colorref background) = 0;
};

}  // namespace vantry
