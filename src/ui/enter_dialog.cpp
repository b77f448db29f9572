#include "ui/enter_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "game/commands.h"
#include "help/help_key.h"
#include "ui/dialog_units.h"

namespace vantry {

EnterDialog::EnterDialog(QWidget* owner, IniFile* settings, std::function<void(int)> onButton)
    : FloatDlg(owner, settings, "EnterDlg") {
  setWindowTitle(QStringLiteral("  Enter a puzzle from a book or newspaper"));
  setProperty(kHelpPageProperty, QStringLiteral("entering"));  // F1
  setModal(false);
  setFont(dialogFont());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  // It shows beside the grid without taking the keys from it.
  setAttribute(Qt::WA_ShowWithoutActivating);
  const DialogUnits du(font());
  setFixedSize(du.x(229), du.y(91));

  auto* text = new QLabel(QStringLiteral("Left-click the solution in each cell whose answer is known.\n"
                                         "To correct mistakes, use Undo from the Undo/Redo menu\n"
                                         "or click Start Over to begin again.\n\n"
                                         "When you are finished entering the puzzle, click Done Entering."),
                          this);
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setGeometry(du.rect(7, 6, 215, 58));

  auto makeButton = [&](const char* label, int id, int x) {
    auto* b = new QPushButton(QString::fromLatin1(label), this);
    b->setGeometry(du.rect(x, 70, 62, 14));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [onButton, id] {
      if (onButton) onButton(id);
    });
    return b;
  };
  m_done = makeButton("Done Entering", kEntryDoneEntering, 14);
  m_startOver = makeButton("Start Over", kEntryStartOver, 84);
  m_cancel = makeButton("Cancel", kEntryCancel, 154);
}

QPushButton* EnterDialog::button(int id) const {
  switch (id) {
    case kEntryDoneEntering: return m_done;
    case kEntryStartOver: return m_startOver;
    case kEntryCancel: return m_cancel;
    default: return nullptr;
  }
}

}  // namespace vantry
