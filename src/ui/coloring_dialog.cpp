#include "ui/coloring_dialog.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPushButton>

#include "ui/qt_canvas.h"

namespace vantry {

namespace {

// A square colour face that looks raised, and sunken while the mouse holds it.
class ColorButton : public QAbstractButton {
 public:
  ColorButton(QColor color, QWidget* parent) : QAbstractButton(parent), m_color(color) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const bool down = isDown();
    p.fillRect(r, m_color);
    p.setPen(down ? QColor(64, 64, 64) : QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? QColor(255, 255, 255) : QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (hasFocus()) {
      p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
      p.drawRect(r.adjusted(3, 3, -3, -3));
    }
  }

 private:
  QColor m_color;
};

constexpr int kPitch = 42;  // between the centres of neighbouring colour buttons
constexpr int kFace = 39;   // odd, so a button has a centre pixel

}  // namespace

ColoringDialog::ColoringDialog(QWidget* owner, std::function<Colorref(int)> colorOf, std::function<void()> help)
    : QDialog(owner), m_help(std::move(help)) {
  setWindowTitle(QStringLiteral("Color this cell"));
  setWindowModality(Qt::WindowModal);  // its Help page stays usable
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  for (int i = 0; i < 6; ++i) {
    const QColor color = colorOf ? toQColor(colorOf(21 + i)) : QColor(Qt::white);
    auto* b = new ColorButton(color, this);
    b->setObjectName(QStringLiteral("color%1").arg(i + 1));
    b->setToolTip(QStringLiteral("Coloring #%1").arg(i + 1));
    b->setAccessibleName(b->toolTip());
    b->setFocusPolicy(Qt::StrongFocus);
    b->setGeometry(24 + kPitch * i - kFace / 2, 24 - kFace / 2, kFace, kFace);
    b->setProperty("buttonId", 101 + i);
    const int id = 101 + i;
    connect(b, &QAbstractButton::clicked, this, [this, id] { done(id); });
  }
  const int width = 24 + kPitch * 5 + 24;
  const int buttonWidth = (width - 4 * 8) / 3;
  int x = 8;
  auto add = [&](const char* label, int id) {
    auto* b = new QPushButton(QString::fromLatin1(label), this);
    b->setAutoDefault(false);
    b->setGeometry(x, 52, buttonWidth, 26);
    b->setProperty("buttonId", id);
    x += buttonWidth + 8;
    if (id == 9) {
      connect(b, &QPushButton::clicked, this, [this] {
        if (m_help) m_help();
      });
    } else {
      connect(b, &QPushButton::clicked, this, [this, id] { done(id); });
    }
  };
  add("Clear all", 1);
  add("Cancel", 2);
  add("Help", 9);
  setFixedSize(width, 86);
}

QAbstractButton* ColoringDialog::button(int id) const {
  for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
    if (b->property("buttonId").toInt() == id) return b;
  }
  return nullptr;
}

}  // namespace vantry
