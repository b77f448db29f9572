// The two hint dialogs, laid out from the engine's templates: HintDialog
// shows a Big hint's explanation and asks whether to carry the move out;
// LittleHintDialog names the strategy (and for a Medium hint its digits).
// Both can open the strategy's help page and remember where they were left.
#pragma once

#include <QMap>
#include <functional>
#include <string>

#include "ui/float_dlg.h"

class QLabel;
class QPushButton;

namespace vantry {

struct HintTemplate;

class HintDialogBase : public FloatDlg {
  Q_OBJECT
 public:
  // exec() returns the number of the button that closed the dialog.
  HintDialogBase(QWidget* owner, IniFile* settings, const std::string& section, int templateId, const std::string& text,
                 const std::string& title, std::function<void()> explainStrategy, int escapeResult);

  QString text() const;
  // The button with a template id (6 Yes/OK, 7 No, 2 Cancel, 199 Explain
  // strategy), or null.
  QPushButton* button(int id) const { return m_buttons.value(id, nullptr); }

 protected:
  void reject() override;

 private:
  void build(const HintTemplate& t, const QString& text);

  QLabel* m_text = nullptr;
  QMap<int, QPushButton*> m_buttons;
  std::function<void()> m_explain;
  int m_escapeResult;
};

class HintDialog : public HintDialogBase {
  Q_OBJECT
 public:
  HintDialog(QWidget* owner, IniFile* settings, const std::string& section, int templateId, const std::string& text,
             const std::string& title, std::function<void()> explainStrategy);
};

class LittleHintDialog : public HintDialogBase {
  Q_OBJECT
 public:
  LittleHintDialog(QWidget* owner, IniFile* settings, const std::string& section, const std::string& text,
                   const std::string& title, std::function<void()> explainStrategy);
};

}  // namespace vantry
