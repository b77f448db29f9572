// The grid as assistive technology sees it: a table of 81 cells, each named
// by what it shows ("row 3, column 5: 7, given", "row 1, column 2:
// possibilities 2, 4, 9"), the play cursor's cell as the focused child, and
// the last move's sentence as the grid's description, announced when it
// changes. The texts come from the engine; this is only the Qt interface.
#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace vantry {

class TSWindow;

class GridAccessible : public QAccessibleWidget {
 public:
  explicit GridAccessible(TSWindow* grid);
  ~GridAccessible() override;

  // Makes Qt build this interface for every TSWindow (once per run).
  static void install();
  // The cell at index row * 9 + column.
  static int cellIndex(int row, int column) { return row * 9 + column; }

  int childCount() const override { return 81; }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QString text(QAccessible::Text t) const override;

  TSWindow* grid() const;

 private:
  mutable QAccessibleInterface* m_cells[81] = {};
};

}  // namespace vantry
