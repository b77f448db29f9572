#include "ui/layout_window.h"

#include <QHBoxLayout>
#include <algorithm>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "view/grid_window.h"
#include "view/layout.h"
#include "ui/button_pane.h"
#include "ui/ts_window.h"

namespace vantry {

LayoutWindow::LayoutWindow(IniFile& settings, TSWindow* grid, QWidget* pane, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_grid(grid), m_pane(pane) {
  m_grid->setParent(this);
  m_pane->setParent(this);
  m_layout = new QHBoxLayout(this);
  m_layout->setContentsMargins(0, 0, 0, 0);
  m_layout->setSpacing(0);
}

std::string LayoutWindow::placement() const { return m_settings.read_string(kButtonsPlacement); }

QSize LayoutWindow::initialClientSize(const QSize& desktop, const QSize& largest) const {
  Size size = layout_size(m_settings, m_pane->width(), desktop.width(), desktop.height());
  size.width = std::min(size.width, std::max(largest.width(), kSmallestGridWindow + m_pane->width()));
  size.height = std::min(size.height, std::max(largest.height(), kSmallestGridWindow));
  size = fit_pane(size, paneHeight(), std::max(size.width, largest.width()));
  return QSize(size.width, size.height);
}

int LayoutWindow::paneHeight() const {
  if (!m_arrangement.pane_shown()) return 0;
  if (auto* pane = qobject_cast<ButtonPane*>(m_pane)) return pane->requiredHeight();
  return m_pane->sizeHint().height();
}

void LayoutWindow::arrange() {
  const PaneArrangement::Change change = m_arrangement.arrange(placement(), m_pane->width());
  if (!change.relayout) return;
  // The frame grows or shrinks by the pane, so the grid keeps its size.
  QWidget* top = window();
  if (change.frame_width_change != 0 && top && top != this && !top->isMaximized()) {
    top->resize(top->width() + change.frame_width_change, top->height());
  }
  m_layout->removeWidget(m_grid);
  m_layout->removeWidget(m_pane);
  if (change.place == PanePlace::Left) m_layout->addWidget(m_pane);
  m_layout->addWidget(m_grid, 1);
  if (change.place == PanePlace::Right) m_layout->addWidget(m_pane);
  m_pane->setVisible(m_arrangement.pane_shown());
  // The window cannot be made so low that the pane's foot is cut off.
  setMinimumHeight(paneHeight());
}

void LayoutWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  auto* pane = qobject_cast<ButtonPane*>(m_pane);
  if (!pane) return;
  const QSize base = pane->baseSize();
  pane->setZoom(pane_zoom({width(), height()}, {base.width(), base.height()}));
}

void LayoutWindow::saveGeometry(QWidget* frame) {
  const GridGeometry& g = m_grid->grid().geometry();
  const QPoint at = frame->frameGeometry().topLeft();
  save_geometry(m_settings, placement(), frame->isMaximized(), at.x(), at.y(), width(), height(), g.surplus_width,
                g.surplus_height);
}

}  // namespace vantry
