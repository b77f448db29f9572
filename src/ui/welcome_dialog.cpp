#include "ui/welcome_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/commands.h"
#include "help/help_key.h"
#include "help/help_viewer.h"

namespace vantry {

namespace {
struct Choice {
  int id;
  const char* label;
};
constexpr Choice kDifficulties[] = {{11901, "Easy"},   {11902, "Medium"},  {11903, "Hard"},
                                    {11904, "Expert"}, {11905, "Devious"}, {11906, "Sadistic"}};
}  // namespace

WelcomeDialog::WelcomeDialog(QWidget* owner, IniFile* settings)
    : FloatDlg(owner, settings, "Welcome") {
  setWindowTitle(QStringLiteral("  Welcome to Vantry!"));
  setProperty(kHelpPageProperty, kHelpGettingStarted);  // F1
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("How would you like to begin?"), this));

  auto add = [this](int id, const char* label) {
    auto* b = new QPushButton(QString::fromLatin1(label), this);
    b->setProperty("commandId", id);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, id] { done(id); });
    return b;
  };

  auto* create = new QGroupBox(QStringLiteral("Create a puzzle for me: "), this);
  auto* grid = new QGridLayout(create);
  for (int i = 0; i < 6; ++i) grid->addWidget(add(kDifficulties[i].id, kDifficulties[i].label), i / 3, i % 3);
  layout->addWidget(create);

  auto* other = new QGroupBox(QStringLiteral("Or: "), this);
  auto* column = new QVBoxLayout(other);
  column->addWidget(add(kCmdEnterPuzzle, "Enter a puzzle from a book or newspaper"));
  column->addWidget(add(kCmdOpen, "Open a puzzle I saved earlier"));
  layout->addWidget(other);

  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(add(2, "Cancel"));
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* WelcomeDialog::button(int id) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b->property("commandId").toInt() == id) return b;
  }
  return nullptr;
}

}  // namespace vantry
