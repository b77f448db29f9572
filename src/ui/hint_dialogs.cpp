#include "ui/hint_dialogs.h"

#include <QLabel>
#include <QPushButton>

#include "classlib/contract.h"
#include "strategy/hint_templates.h"
#include "ui/dialog_units.h"

namespace vantry {

namespace {
// Template layout in dialog units: margins, the label line, the button row.
constexpr int kMargin = 7;
constexpr int kGap = 5;
constexpr int kLabelHeight = 8;
constexpr int kButtonHeight = 14;
constexpr int kButtonWidth = 44;
constexpr int kWideButtonWidth = 64;  // "Explain strategy"
constexpr int kButtonGap = 6;
}  // namespace

HintDialogBase::HintDialogBase(QWidget* owner, IniFile* settings, const std::string& section, int templateId,
                               const std::string& text, const std::string& title, std::function<void()> explainStrategy,
                               int escapeResult)
    : FloatDlg(owner, settings, section), m_explain(std::move(explainStrategy)), m_escapeResult(escapeResult) {
  const HintTemplate* t = hint_template(templateId);
  VANTRY_ASSERT(t != nullptr);
  setWindowTitle(QString::fromStdString(title));
  setFont(dialogFont());
  build(*t, QString::fromStdString(text));
}

void HintDialogBase::build(const HintTemplate& t, const QString& text) {
  const DialogUnits du(font());
  const int width = kMargin * 2 + t.text_width;

  m_text = new QLabel(text, this);
  m_text->setObjectName(QStringLiteral("text"));
  m_text->setTextFormat(Qt::PlainText);
  m_text->setWordWrap(true);
  m_text->setAlignment(t.text_centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
  // The template's box fits the explanations its strategies write; one that
  // runs longer grows the dialog instead of being cut off.
  const int textWidth = du.x(t.text_width);
  const int textHeight = qMax(du.y(t.text_height), m_text->heightForWidth(textWidth));
  m_text->setGeometry(du.x(kMargin), du.y(kMargin), textWidth, textHeight);
  int y = du.y(kMargin) + textHeight + du.y(kGap);

  QLabel* label = nullptr;
  if (!t.label.empty()) {
    label = new QLabel(QString::fromUtf8(t.label.data(), qsizetype(t.label.size())), this);
    label->setGeometry(du.x(kMargin), y, du.x(t.text_width), du.y(kLabelHeight + 2));
    y += du.y(kLabelHeight + 2) + du.y(3);
  }

  // The buttons sit in one row, centred under the text.
  int rowWidth = 0;
  for (int i = 0; i < t.n_buttons; ++i) {
    rowWidth += (t.buttons[i].id == kButtonExplainStrategy ? kWideButtonWidth : kButtonWidth);
    if (i > 0) rowWidth += kButtonGap;
  }
  int x = (width - rowWidth) / 2;
  for (int i = 0; i < t.n_buttons; ++i) {
    const DialogButton& b = t.buttons[i];
    const int w = b.id == kButtonExplainStrategy ? kWideButtonWidth : kButtonWidth;
    auto* button = new QPushButton(QString::fromUtf8(b.label.data(), qsizetype(b.label.size())), this);
    button->setGeometry(du.x(x), y, du.x(w), du.y(kButtonHeight));
    button->setAutoDefault(false);
    if (i == 0) button->setDefault(true);
    const int id = b.id;
    if (id == kButtonExplainStrategy) {
      // The help opens beside the dialog, which stays open.
      connect(button, &QPushButton::clicked, this, [this] {
        if (m_explain) m_explain();
      });
    } else {
      connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
    }
    m_buttons.insert(id, button);
    x += w + kButtonGap;
  }
  // The label's mnemonic moves the focus to the button after it.
  if (label && !m_buttons.isEmpty()) label->setBuddy(m_buttons.value(t.buttons[0].id));
  y += du.y(kButtonHeight) + du.y(kMargin);
  setFixedSize(du.x(width), y);
  if (!m_buttons.isEmpty()) m_buttons.value(t.buttons[0].id)->setFocus();
}

QString HintDialogBase::text() const { return m_text->text(); }

void HintDialogBase::reject() { done(m_escapeResult); }

HintDialog::HintDialog(QWidget* owner, IniFile* settings, const std::string& section, int templateId,
                       const std::string& text, const std::string& title, std::function<void()> explainStrategy)
    : HintDialogBase(owner, settings, section, templateId, text, title, std::move(explainStrategy), kButtonCancel) {}

LittleHintDialog::LittleHintDialog(QWidget* owner, IniFile* settings, const std::string& section,
                                   const std::string& text, const std::string& title,
                                   std::function<void()> explainStrategy)
    : HintDialogBase(owner, settings, section, kTemplateLittle, text, title, std::move(explainStrategy), kButtonOk) {}

}  // namespace vantry
