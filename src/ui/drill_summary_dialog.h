// The summary at the end of a drill: a table of the positions with what was
// found, missed and wrong and the time each took (the totals last), then the
// score and the best results of the strategy.
#pragma once

#include <QDialog>

#include "classlib/drill_report.h"

class QTableWidget;

namespace vantry {

class DrillSummaryDialog : public QDialog {
  Q_OBJECT
 public:
  DrillSummaryDialog(QWidget* owner, const DrillReport& report);
  QTableWidget* table() const { return m_table; }

 private:
  QTableWidget* m_table;
};

}  // namespace vantry
