#include "ui/color_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "view/color_schemes.h"
#include "ui/qt_canvas.h"

namespace vantry {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
}  // namespace

ColorDialog::ColorDialog(QWidget* owner, PresentedGame& game, GridWindow& grid, IniFile* settings)
    : FloatDlg(owner, settings, "ColorDlg"), m_editor(game, grid) {
  setWindowTitle(QStringLiteral("Change colors"));
  auto* layout = new QGridLayout(this);

  // Row 0: the schemes, which set every element at once.
  auto* schemeLabel = new QLabel(QStringLiteral("&Scheme:"), this);
  m_schemes = new QComboBox(this);
  m_schemes->setAccessibleName(QStringLiteral("Color scheme"));
  m_schemes->setPlaceholderText(QStringLiteral("Your own colors"));
  for (const ColorScheme& scheme : color_schemes()) m_schemes->addItem(qs(scheme.name));
  schemeLabel->setBuddy(m_schemes);
  auto* schemeRow = new QHBoxLayout;
  schemeRow->addWidget(schemeLabel);
  schemeRow->addWidget(m_schemes, 1);
  layout->addLayout(schemeRow, 0, 0, 1, 3);
  connect(m_schemes, &QComboBox::activated, this, &ColorDialog::chooseScheme);

  m_list = new QListWidget(this);
  m_list->setAccessibleName(QStringLiteral("Color element list"));
  for (const ColorEditor::Entry& e : ColorEditor::entries()) m_list->addItem(qs(e.name));
  m_list->setMinimumWidth(220);
  layout->addWidget(m_list, 1, 0, 4, 1);

  m_description = new QLabel(this);
  m_description->setWordWrap(true);
  m_description->setTextFormat(Qt::PlainText);
  m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_description->setFixedSize(220, 110);
  m_description->setAccessibleName(QStringLiteral("Description"));
  layout->addWidget(m_description, 1, 1, 1, 2);

  m_swatch = new QWidget(this);
  m_swatch->setObjectName(QStringLiteral("swatch"));
  m_swatch->setAutoFillBackground(true);
  m_swatch->setFixedSize(64, 40);
  m_swatch->setAccessibleName(QStringLiteral("Color"));
  layout->addWidget(m_swatch, 2, 1);

  auto* change = new QPushButton(QStringLiteral("Change Color"), this);
  auto* reset = new QPushButton(QStringLiteral("Default Color"), this);
  layout->addWidget(change, 3, 1);
  layout->addWidget(reset, 3, 2);
  connect(change, &QPushButton::clicked, this, &ColorDialog::changeColor);
  connect(reset, &QPushButton::clicked, this, &ColorDialog::defaultColor);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { button(kColorEditorHelp); });
  layout->addWidget(buttons, 5, 0, 1, 3);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // The position of the last opening this run is selected again.
  m_list->setCurrentRow(m_editor.position());
  connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    m_editor.select(row);
    showSelected();
  });
  showSelected();
}

void ColorDialog::chooseScheme(int scheme) {
  m_editor.apply_scheme(scheme);
  showSelected();
}

void ColorDialog::showSelected() {
  m_schemes->setCurrentIndex(m_editor.scheme());
  m_description->setText(qs(m_editor.description()));
  QPalette p = m_swatch->palette();
  p.setColor(QPalette::Window, toQColor(m_editor.swatch()));
  m_swatch->setPalette(p);
  m_swatch->update();
}

void ColorDialog::button(int id) {
  m_editor.button(id);
  showSelected();
}

void ColorDialog::done(int result) {
  // OK keeps the changes; Cancel, Escape and the close box put back the copy.
  m_editor.button(result == QDialog::Accepted ? kColorEditorOk : kColorEditorCancel);
  FloatDlg::done(result);
}

}  // namespace vantry
