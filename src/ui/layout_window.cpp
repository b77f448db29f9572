#include "ui/layout_window.h"

#include <QHBoxLayout>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/grid_window.h"
#include "ui/ts_window.h"

namespace vantry {

namespace {
bool paneLetter(char c) { return c == 'L' || c == 'R' || c == 'l' || c == 'r'; }
}  // namespace

LayoutWindow::LayoutWindow(IniFile& settings, TSWindow* grid, QWidget* pane, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_grid(grid), m_pane(pane) {
  m_grid->setParent(this);
  m_pane->setParent(this);
  m_layout = new QHBoxLayout(this);
  m_layout->setContentsMargins(0, 0, 0, 0);
  m_layout->setSpacing(0);
}

std::string LayoutWindow::placement() const {
  return m_settings.read_string(kButtonsPlacement);
}

QSize LayoutWindow::defaultClientSize(const QSize& desktop, const std::string& placement,
                                      int paneWidth) {
  const int base = desktop.width() < 800 || desktop.height() < 800 ? 516 : 651;
  const bool pane = !placement.empty() && paneLetter(placement[0]);
  return QSize(base + (pane ? paneWidth : 0), base);
}

QSize LayoutWindow::initialClientSize(const QSize& desktop) const {
  const QSize d = defaultClientSize(desktop, placement(), m_pane->width());
  return QSize(m_settings.read_integer(kGeometry, kGeometryW, d.width()),
               m_settings.read_integer(kGeometry, kGeometryH, d.height()));
}

QSize LayoutWindow::sizeHint() const { return m_hint.isValid() ? m_hint : QWidget::sizeHint(); }

void LayoutWindow::arrange() {
  const std::string now = placement();
  const char letter = now.empty() ? 0 : now[0];
  // Only the upper-case letters place the pane.
  const bool show = letter == 'L' || letter == 'R';
  if (!m_arranged) {
    m_arranged = true;
    m_letter = letter;
    m_paneShown = show;
  } else {
    if (letter == m_letter) return;
    m_letter = letter;
    QWidget* top = window();
    const int paneWidth = m_pane->width();
    if (show && !m_paneShown) {
      m_paneShown = true;
      if (top && !top->isMaximized()) top->resize(top->width() + paneWidth, top->height());
    } else if (!show && m_paneShown) {
      m_paneShown = false;
      if (top && !top->isMaximized()) top->resize(top->width() - paneWidth, top->height());
    }
  }
  m_layout->removeWidget(m_grid);
  m_layout->removeWidget(m_pane);
  if (letter == 'L') {
    m_layout->addWidget(m_pane);
    m_layout->addWidget(m_grid, 1);
  } else {
    m_layout->addWidget(m_grid, 1);
    if (letter == 'R') m_layout->addWidget(m_pane);
  }
  m_pane->setVisible(m_paneShown);
}

void LayoutWindow::saveGeometry(QWidget* frame) {
  m_settings.write_string(kButtonsPlacement, placement().c_str());
  if (frame->isMaximized()) {
    m_settings.write_integer(kGeometryMaximized, 1);
    return;
  }
  m_settings.write_integer(kGeometryMaximized, 0);
  const QPoint at = frame->frameGeometry().topLeft();
  m_settings.write_integer(kGeometryX, at.x());
  m_settings.write_integer(kGeometryY, at.y());
  const GridGeometry& g = m_grid->grid().geometry();
  m_settings.write_integer(kGeometry, kGeometryW, width() - g.surplus_width);
  m_settings.write_integer(kGeometry, kGeometryH, height() - g.surplus_height);
}

}  // namespace vantry
