#include "ui/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>

namespace vantry {

DialogUnits::DialogUnits(const QFont& font) {
  // The average width is taken over the 52 letters, halved with rounding as
  // the classic dialog manager does, so wide and narrow faces both come out
  // near their real text widths.
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_baseX = (letters / 26 + 1) / 2;
  m_baseY = metrics.height();
  if (m_baseX < 1) m_baseX = 1;
  if (m_baseY < 1) m_baseY = 1;
}

QFont dialogFont() {
  QFont font;
  font.setFamilies(QStringList() << QStringLiteral("MS Sans Serif") << QStringLiteral("Liberation Sans")
                                 << QStringLiteral("Arial"));
  font.setPointSize(9);
  return font;
}

QFont busyDialogFont() {
  QFont font = dialogFont();
  font.setBold(true);
  return font;
}

}  // namespace vantry
