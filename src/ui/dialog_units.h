// Dialog layouts are written in dialog units, which scale with the dialog's
// font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its character height.
#pragma once

#include <QFont>
#include <QRect>

namespace vantry {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  // Pixels for a length in units, rounded to the nearest pixel.
  int x(int units) const { return (units * m_baseX + 2) / 4; }
  int y(int units) const { return (units * m_baseY + 4) / 8; }
  QRect rect(int left, int top, int width, int height) const { return QRect(x(left), y(top), x(width), y(height)); }
  int baseX() const { return m_baseX; }
  int baseY() const { return m_baseY; }

 private:
  int m_baseX;
  int m_baseY;
};

// The font of the program's dialogs, and the busy dialog's bold one.
QFont dialogFont();
QFont busyDialogFont();

}  // namespace vantry
