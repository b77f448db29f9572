// A canvas that draws nothing and remembers every call, for tests that check
// what the grid drawing asked for. Text measures as if every character were
// half the font height wide and 7/10 of it tall, like a plain sans face.
#pragma once

#include <string>
#include <vector>

#include "classlib/canvas.h"

namespace vantry::testing {

struct DrawnLine {
  int x1, y1, x2, y2, width;
  Colorref color;
  LineCap cap;
};
struct DrawnText {
  int x, top;
  std::string text;
  Colorref color;
  bool opaque;
  Colorref background;
  int font_height;
};
struct FilledRect {
  Rect rect;
  Colorref color;
};

class RecordingCanvas : public Canvas {
 public:
  int origin_x = 0, origin_y = 0;
  int font = 0;
  std::vector<FilledRect> fills;
  std::vector<DrawnLine> lines;
  std::vector<DrawnText> texts;
  std::vector<int> font_heights;  // every height set, in order

  void set_origin(int x, int y) override {
    origin_x = x;
    origin_y = y;
  }
  void fill_rect(const Rect& r, Colorref color) override { fills.push_back({r, color}); }
  void line(int x1, int y1, int x2, int y2, int width, Colorref color, LineCap cap) override {
    lines.push_back({x1, y1, x2, y2, width, color, cap});
  }
  void set_font_height(int height) override {
    font = height;
    font_heights.push_back(height);
  }
  void measure(const std::string& text, int& width, int& height) override {
    width = static_cast<int>(text.size()) * font / 2;
    height = font * 7 / 10;
  }
  void text_centred(int x, int top, const std::string& text, Colorref color, bool opaque,
                    Colorref background) override {
    texts.push_back({x, top, text, color, opaque, background, font});
  }

  // The texts drawn with their top inside the given cell of a grid of cell size C.
  std::vector<DrawnText> texts_in_cell(int r, int c, int C) const {
    std::vector<DrawnText> found;
    for (const DrawnText& t : texts) {
      if (t.x >= c * C && t.x < (c + 1) * C && t.top >= r * C && t.top < (r + 1) * C) found.push_back(t);
    }
    return found;
  }
};

}  // namespace vantry::testing
