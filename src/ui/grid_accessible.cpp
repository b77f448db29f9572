#include "ui/grid_accessible.h"

#include "view/grid_window.h"
#include "ui/ts_window.h"

namespace vantry {

namespace {

// One cell: no widget of its own, so it answers from the grid's engine.
class CellAccessible : public QAccessibleInterface {
 public:
  CellAccessible(GridAccessible* table, int index) : m_table(table), m_index(index) {}

  bool isValid() const override { return m_table->isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return m_table->window(); }
  QAccessibleInterface* parent() const override { return m_table; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    return QString::fromStdString(engine().cell_text(m_index / 9, m_index % 9));
  }
  QRect rect() const override {
    const GridGeometry& g = engine().geometry();
    const int r = m_index / 9, c = m_index % 9;
    const QPoint origin = m_table->grid()->mapToGlobal(QPoint(g.line[c] + 1, g.line[r] + 1));
    return QRect(origin, QSize(g.cell, g.cell));
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    const PlayCursor& cursor = engine().play_cursor();
    const bool here = GridAccessible::cellIndex(cursor.row, cursor.column) == m_index;
    s.focused = here && m_table->grid()->hasFocus();
    s.selected = here;
    return s;
  }

 private:
  const GridWindow& engine() const { return m_table->grid()->grid(); }
  GridAccessible* m_table;
  int m_index;
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("vantry::TSWindow") && object && object->isWidgetType()) {
    return new GridAccessible(static_cast<TSWindow*>(object));
  }
  return nullptr;
}

}  // namespace

GridAccessible::GridAccessible(TSWindow* grid)
    : QAccessibleWidget(grid, QAccessible::Table, QStringLiteral("Sudoku grid")) {}

GridAccessible::~GridAccessible() {
  for (QAccessibleInterface* cell : m_cells) {
    if (cell) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
  }
}

void GridAccessible::install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(gridFactory);
}

TSWindow* GridAccessible::grid() const { return static_cast<TSWindow*>(widget()); }

QAccessibleInterface* GridAccessible::child(int index) const {
  if (index < 0 || index >= 81) return nullptr;
  if (!m_cells[index]) {
    m_cells[index] = new CellAccessible(const_cast<GridAccessible*>(this), index);
    QAccessible::registerAccessibleInterface(m_cells[index]);
  }
  return m_cells[index];
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < 81; ++i) {
    if (m_cells[i] && m_cells[i] == child) return i;
  }
  return -1;
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
  const QPoint p = grid()->mapFromGlobal(QPoint(x, y));
  const GridHit hit = hit_test(grid()->grid().geometry(), p.x(), p.y());
  return hit.row >= 0 && hit.row < 9 && hit.column >= 0 && hit.column < 9 ? child(cellIndex(hit.row, hit.column))
                                                                          : nullptr;
}

QAccessibleInterface* GridAccessible::focusChild() const {
  const PlayCursor& cursor = grid()->grid().play_cursor();
  return child(cellIndex(cursor.row, cursor.column));
}

QString GridAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return QStringLiteral("Sudoku grid");
  if (t == QAccessible::Description) return grid()->lastAnnouncement();
  return QAccessibleWidget::text(t);
}

}  // namespace vantry
