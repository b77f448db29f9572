// The frame's client: the grid window and the button pane side by side (the
// pane left or right) or the grid alone. Showing or hiding the pane widens or
// narrows the frame by the pane's width, so the grid keeps its size. It also
// works out the first client size and stores the geometry at the close.
#pragma once

#include <QWidget>
#include <string>

#include "view/layout.h"

class QHBoxLayout;

namespace vantry {

class IniFile;
class TSWindow;

class LayoutWindow : public QWidget {
  Q_OBJECT
 public:
  // The pane stands in for the button pane until that exists; its fixed width
  // is the pane's width.
  LayoutWindow(IniFile& settings, TSWindow* grid, QWidget* pane, QWidget* parent = nullptr);

  // The size to open with: the stored W and H, with the default for this
  // desktop and placement for a missing one, no larger than largest (the
  // room the screen leaves for a client), and high enough to show the whole
  // button pane when it is shown.
  QSize initialClientSize(const QSize& desktop, const QSize& largest) const;
  // The height that shows the whole pane, or 0 while it is hidden.
  int paneHeight() const;

  // Places the children for the stored placement. The first call only
  // remembers it; a later one that changes the letter shows or hides the pane
  // and widens or narrows the top-level window by the pane's width.
  void arrange();
  // Stores the placement, the maximised state and, when not maximised, the
  // frame's position and the tightest size around the grid.
  void saveGeometry(QWidget* frame);

  QWidget* pane() const { return m_pane; }
  TSWindow* grid() const { return m_grid; }
  bool paneShown() const { return m_arrangement.pane_shown(); }

 protected:
  // The button pane's fonts and controls grow and shrink with the client.
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::string placement() const;

  IniFile& m_settings;
  TSWindow* m_grid;
  QWidget* m_pane;
  QHBoxLayout* m_layout;
  PaneArrangement m_arrangement;
};

}  // namespace vantry
