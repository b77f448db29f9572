// The modeless companion of puzzle entry: how to enter, and the Done
// Entering, Start Over and Cancel buttons, whose ids go to the game.
#pragma once

#include <functional>

#include "ui/float_dlg.h"

class QPushButton;

namespace vantry {

class EnterDialog : public FloatDlg {
  Q_OBJECT
 public:
  EnterDialog(QWidget* owner, IniFile* settings, std::function<void(int)> onButton);
  QPushButton* button(int id) const;

 protected:
  // Escape and the close box would throw the entered digits away unasked:
  // only the Cancel button ends entry.
  void reject() override {}

 private:
  QPushButton* m_done;
  QPushButton* m_startOver;
  QPushButton* m_cancel;
};

}  // namespace vantry
