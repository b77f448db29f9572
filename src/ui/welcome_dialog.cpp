#include "ui/welcome_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string_view>

#include "game/commands.h"
#include "help/help_key.h"
#include "help/help_viewer.h"
#include "strategy/difficulty.h"

namespace vantry {

WelcomeDialog::WelcomeDialog(QWidget* owner, IniFile* settings) : FloatDlg(owner, settings, "Welcome") {
  setWindowTitle(QStringLiteral("  Welcome to Vantry!"));
  setProperty(kHelpPageProperty, kHelpGettingStarted);  // F1
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("How would you like to begin?"), this));

  auto add = [this](int id, std::string_view label) {
    auto* b = new QPushButton(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())), this);
    b->setProperty("commandId", id);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, id] { done(id); });
    return b;
  };

  auto* create = new QGroupBox(QStringLiteral("Create a puzzle for me: "), this);
  auto* grid = new QGridLayout(create);
  // The menus' difficulties, three a row; each button sends its create command.
  for (int index = 0, i = 0; index < kDifficultyCount; ++index) {
    const Difficulty d = difficulty_from_index(index);
    if (!is_menu_difficulty(d)) continue;
    grid->addWidget(add(create_command(d), difficulty_name(d)), i / 3, i % 3);
    ++i;
  }
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
