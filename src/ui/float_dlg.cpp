#include "ui/float_dlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "classlib/inifile.h"
#include "game/layout.h"

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

void FloatDlg::placeFromSettings() {
  if (!m_owner || !m_settings) return;
  const QScreen* screen = m_owner->screen() ? m_owner->screen() : QGuiApplication::primaryScreen();
  const QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 20, 1 << 20);
  const Rect at = float_dialog_open(*m_settings, m_section.c_str(), toRect(m_owner->frameGeometry()),
                                    toRect(frameGeometry()), toRect(workArea));
  move(at.left, at.top);
}

void FloatDlg::savePlacement() {
  if (!m_owner || !m_settings) return;
  float_dialog_close(*m_settings, m_section.c_str(), toRect(m_owner->frameGeometry()),
                     toRect(frameGeometry()));
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
