#include "ui/float_dlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include "classlib/inifile.h"
#include "view/layout.h"

namespace vantry {

namespace {

Rect toRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

}  // namespace

FloatDlg::FloatDlg(QWidget* owner, IniFile* settings, std::string section)
    : QDialog(owner), m_owner(owner), m_settings(settings), m_section(std::move(section)) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  // Modal to the main window only: a help page opened from the dialog stays
  // usable beside it.
  setWindowModality(Qt::WindowModal);
}

// The remembered place is the frame's, as the window manager draws it, but
// the window system is told where the client goes: a frame position given
// before the dialog is framed is taken as the client's by some managers,
// which would put the dialog one title bar higher at every opening. So the
// client is placed inside the frame's place, and once the frame is known the
// dialog is moved again if the estimate was off.

QMargins FloatDlg::frameMarginsNow() const {
  auto margins = [](const QWidget* w) {
    const QWindow* window = w ? w->windowHandle() : nullptr;
    return window ? window->frameMargins() : QMargins();
  };
  const QMargins own = margins(this);
  return own.isNull() ? margins(m_owner ? m_owner->window() : nullptr) : own;
}

void FloatDlg::moveFrameTo(const QPoint& frameTopLeft) {
  const QMargins frame = frameMarginsNow();
  setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), size()));
}

void FloatDlg::placeFromSettings() {
  if (!m_owner || !m_settings) return;
  const QScreen* screen = m_owner->screen() ? m_owner->screen() : QGuiApplication::primaryScreen();
  const QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 20, 1 << 20);
  const QMargins frame = frameMarginsNow();
  const QRect frameRect(QPoint(0, 0), size().grownBy(frame));
  const Rect at = float_dialog_open(*m_settings, m_section.c_str(), toRect(m_owner->frameGeometry()), toRect(frameRect),
                                    toRect(workArea));
  m_wanted = QPoint(at.left, at.top);
  moveFrameTo(*m_wanted);
}

void FloatDlg::savePlacement() {
  if (!m_owner || !m_settings) return;
  // The frame round the client, with the estimated margins while the window
  // manager has not told its own yet.
  const QRect frame = geometry().marginsAdded(frameMarginsNow());
  float_dialog_close(*m_settings, m_section.c_str(), toRect(m_owner->frameGeometry()), toRect(frame));
}

void FloatDlg::showEvent(QShowEvent* event) {
  // Each opening reads the place again, so a dialog shown a second time
  // follows the owner if it moved meanwhile.
  if (!event->spontaneous()) placeFromSettings();
  QDialog::showEvent(event);
}

void FloatDlg::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  // The first move after the window manager framed the dialog (its own frame
  // is known): if the frame is not where it was asked to go, the client moves
  // by the difference.
  const QWindow* window = windowHandle();
  if (!m_wanted || !isVisible() || !window || window->frameMargins().isNull()) return;
  const QPoint wanted = *m_wanted;
  m_wanted.reset();
  if (frameGeometry().topLeft() != wanted) moveFrameTo(wanted);
}

void FloatDlg::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) savePlacement();
  m_wanted.reset();
  QDialog::hideEvent(event);
}

}  // namespace vantry
