#include "ui/float_dlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "classlib/inifile.h"

namespace vantry {

namespace {

QPoint cornerOf(const QRect& r, int corner) {
  // Rectangles here are frame rectangles with an exclusive far edge.
  const int right = r.left() + r.width();
  const int bottom = r.top() + r.height();
  switch (corner) {
    case 1: return {right, r.top()};
    case 2: return {r.left(), bottom};
    case 3: return {right, bottom};
    default: return r.topLeft();
  }
}

}  // namespace

QPoint floatDlgPosition(const QRect& owner, const QSize& dialog, int corner, int dx, int dy,
                        const QRect& workArea) {
  QPoint p = cornerOf(owner, corner) + QPoint(dx, dy);
  const int workRight = workArea.left() + workArea.width();
  const int workBottom = workArea.top() + workArea.height();
  if (p.x() + dialog.width() > workRight) p.rx() = workRight - dialog.width();
  if (p.x() < workArea.left()) p.rx() = workArea.left();
  if (p.y() + dialog.height() > workBottom) p.ry() = workBottom - dialog.height();
  if (p.y() < workArea.top()) p.ry() = workArea.top();
  return p;
}

FloatPlacement floatDlgPlacement(const QRect& owner, const QRect& dialog) {
  const QPoint centre(dialog.left() + dialog.width() / 2, dialog.top() + dialog.height() / 2);
  FloatPlacement best{0, 0, 0};
  long long bestDistance = -1;
  for (int corner = 0; corner < 4; ++corner) {
    const QPoint c = cornerOf(owner, corner);
    const long long ddx = centre.x() - c.x(), ddy = centre.y() - c.y();
    const long long distance = ddx * ddx + ddy * ddy;
    if (bestDistance < 0 || distance < bestDistance) {
      bestDistance = distance;
      best = {corner, dialog.left() - c.x(), dialog.top() - c.y()};
    }
  }
  return best;
}

FloatDlg::FloatDlg(QWidget* owner, IniFile* settings, std::string section)
    : QDialog(owner), m_owner(owner), m_settings(settings), m_section(std::move(section)) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void FloatDlg::placeFromSettings() {
  if (!m_owner || !m_settings) return;
  const char* s = m_section.c_str();
  const int corner = m_settings->read_integer(s, "Corner", 0);
  const int dx = m_settings->read_integer(s, "DX", 0);
  const int dy = m_settings->read_integer(s, "DY", 0);
  const QScreen* screen = m_owner->screen() ? m_owner->screen() : QGuiApplication::primaryScreen();
  const QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 20, 1 << 20);
  move(floatDlgPosition(m_owner->frameGeometry(), frameGeometry().size(), corner, dx, dy, workArea));
}

void FloatDlg::savePlacement() {
  if (!m_owner || !m_settings) return;
  const FloatPlacement p = floatDlgPlacement(m_owner->frameGeometry(), frameGeometry());
  const char* s = m_section.c_str();
  m_settings->write_integer(s, "Corner", p.corner);
  m_settings->write_integer(s, "DX", p.dx);
  m_settings->write_integer(s, "DY", p.dy);
  m_settings->flush(false);
}

void FloatDlg::showEvent(QShowEvent* event) {
  // Each opening reads the place again, so a dialog shown a second time
  // follows the owner if it moved meanwhile.
  if (!event->spontaneous()) placeFromSettings();
  QDialog::showEvent(event);
}

void FloatDlg::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) savePlacement();
  QDialog::hideEvent(event);
}

}  // namespace vantry
