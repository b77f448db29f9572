#include "ui/color_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "classlib/contract.h"
#include "classlib/platform.h"
#include "game/grid_window.h"
#include "help/help_viewer.h"
#include "ui/qt_canvas.h"

namespace vantry {

ColorDialog::ColorDialog(QWidget* owner, GridWindow& grid, Platform& platform)
    : FloatDlg(owner, &grid.settings(), "ColorDlg"), m_grid(grid), m_platform(platform),
      m_copy(grid.colors()) {
  setWindowTitle(QStringLiteral("Change colors"));
  auto* layout = new QGridLayout(this);

  // 1. The elements by display name, each carrying its number.
  m_list = new QListWidget(this);
  m_list->setAccessibleName(QStringLiteral("Color element list"));
  std::vector<const ColorElement*> sorted;
  for (const ColorElement& e : kColorElementTable) sorted.push_back(&e);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const ColorElement* a, const ColorElement* b) { return a->name < b->name; });
  for (const ColorElement* e : sorted) {
    auto* item = new QListWidgetItem(QString::fromUtf8(e->name.data(), qsizetype(e->name.size())), m_list);
    item->setData(Qt::UserRole, e->number);
  }
  m_list->setMinimumWidth(220);
  layout->addWidget(m_list, 0, 0, 4, 1);

  m_description = new QLabel(this);
  m_description->setWordWrap(true);
  m_description->setTextFormat(Qt::PlainText);
  m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_description->setFixedSize(220, 110);
  layout->addWidget(m_description, 0, 1, 1, 2);

  m_swatch = new QWidget(this);
  m_swatch->setObjectName(QStringLiteral("swatch"));
  m_swatch->setAutoFillBackground(true);
  m_swatch->setFixedSize(64, 40);
  layout->addWidget(m_swatch, 1, 1);

  auto* change = new QPushButton(QStringLiteral("Change Color"), this);
  auto* reset = new QPushButton(QStringLiteral("Default Color"), this);
  layout->addWidget(change, 2, 1);
  layout->addWidget(reset, 2, 2);
  connect(change, &QPushButton::clicked, this, &ColorDialog::changeColor);
  connect(reset, &QPushButton::clicked, this, &ColorDialog::defaultColor);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { m_platform.show_help_topic(kHelpColorDialog); });
  layout->addWidget(buttons, 4, 0, 1, 3);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // 2. The position of the last opening this run, selected again.
  int row = m_grid.color_list_position;
  if (row < 0 || row >= m_list->count()) row = 0;
  connect(m_list, &QListWidget::currentRowChanged, this, &ColorDialog::showSelected);
  m_list->setCurrentRow(row);
  showSelected();
}

int ColorDialog::selectedElement() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item ? item->data(Qt::UserRole).toInt() : -1;
}

void ColorDialog::showSelected() {
  const int element = selectedElement();
  if (element < 0) return;
  const std::string_view text = kColorElementTable[element].description;
  m_description->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
  QPalette p = m_swatch->palette();
  p.setColor(QPalette::Window, toQColor(m_grid.colors().get(element)));
  m_swatch->setPalette(p);
  m_swatch->update();
}

void ColorDialog::changed(int element) {
  (void)element;
  showSelected();
  // The grid window's background follows element 0; the grid repaints.
  m_grid.colors_changed();
}

void ColorDialog::changeColor() {
  const int element = selectedElement();
  if (element < 0) return;
  const auto chosen = m_platform.choose_color(m_grid.colors().stored(element), m_grid.custom_colors);
  if (!chosen) return;
  m_grid.colors().set(element, *chosen);
  changed(element);
}

void ColorDialog::defaultColor() {
  const int element = selectedElement();
  if (element < 0) return;
  m_grid.colors().reset(element);
  changed(element);
}

void ColorDialog::done(int result) {
  m_grid.color_list_position = m_list->currentRow();
  if (result != QDialog::Accepted) {
    m_grid.replace_colors(m_copy);
  }
  FloatDlg::done(result);
}

}  // namespace vantry
