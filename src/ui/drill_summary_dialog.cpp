#include "ui/drill_summary_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantry {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

DrillSummaryDialog::DrillSummaryDialog(QWidget* owner, const DrillReport& report) : QDialog(owner) {
  setWindowTitle(QStringLiteral("Drill summary"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(qs(report.title), this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);

  const int columns = static_cast<int>(kDrillColumns.size());
  m_table = new QTableWidget(static_cast<int>(report.rows.size()), columns, this);
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionMode(QAbstractItemView::NoSelection);
  m_table->setFocusPolicy(Qt::NoFocus);
  QStringList headers;
  for (const char* column : kDrillColumns) headers << QString::fromLatin1(column);
  m_table->setHorizontalHeaderLabels(headers);
  for (int r = 0; r < m_table->rowCount(); ++r) {
    const bool totals = r + 1 == m_table->rowCount();
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem(qs(report.rows[r][c]));
      // The numbers line up on the right, the position's name on the left.
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
      if (totals) item->setFont(bold);
      m_table->setItem(r, c, item);
    }
  }
  m_table->resizeColumnsToContents();
  m_table->resizeRowsToContents();
  // Tall enough for every row up to a dozen; longer drills scroll.
  int height = m_table->horizontalHeader()->height() + 2 * m_table->frameWidth();
  for (int r = 0; r < m_table->rowCount() && r < 12; ++r) height += m_table->rowHeight(r);
  int width = 2 * m_table->frameWidth() + m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (int c = 0; c < columns; ++c) width += m_table->columnWidth(c);
  m_table->setFixedSize(width, height);
  layout->addWidget(m_table);

  for (const std::string& line : report.lines) layout->addWidget(new QLabel(qs(line), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vantry
