// The first question of a plain start: create a puzzle of a difficulty, enter
// one from a book, or open a saved game. exec() returns the chosen command id
// (11901-11906, 11875 or 24332), or 2 for Cancel.
#pragma once

#include "ui/float_dlg.h"

class QPushButton;

namespace vantry {

class WelcomeDialog : public FloatDlg {
  Q_OBJECT
 public:
  WelcomeDialog(QWidget* owner, IniFile* settings);
  QPushButton* button(int id) const;

 protected:
  void reject() override { done(2); }
};

}  // namespace vantry
