// The four hint dialog templates as data: the Qt layer lays the dialogs out
// from these, and the move offer picks a template by the explanation's length.
// Sizes are dialog units; button ids are the numbers a dialog returns.
#pragma once

#include <string_view>

namespace vantry {

inline constexpr int kButtonYes = 6;
inline constexpr int kButtonOk = 6;
inline constexpr int kButtonNo = 7;
inline constexpr int kButtonCancel = 2;
inline constexpr int kButtonExplainStrategy = 199;

// Big hints: one line, a few lines, a long explanation. Little and Medium hints.
inline constexpr int kTemplateOneLine = 1501;
inline constexpr int kTemplateMedium = 1502;
inline constexpr int kTemplateLong = 1503;
inline constexpr int kTemplateLittle = 1504;

// The settings sections that keep the dialogs' placements.
inline constexpr std::string_view kBigHintSection = "BigHint";
inline constexpr std::string_view kLittleHintSection = "LittleMediumHint";

struct DialogButton {
  int id;
  std::string_view label;
};

struct HintTemplate {
  int id;
  int text_width;
  int text_height;
  bool text_centred;
  std::string_view label;  // above the buttons; empty = none
  int n_buttons;
  DialogButton buttons[4];
};

// clang-format off
inline constexpr HintTemplate kHintTemplates[] = {
    {kTemplateOneLine, 232, 16, false, "&Shall I do this for you?", 4,
     {{kButtonYes, "&Yes"}, {kButtonNo, "&No"}, {kButtonCancel, "&Cancel"},
      {kButtonExplainStrategy, "Explain strategy"}}},
    {kTemplateMedium, 232, 32, false, "Shall I do this for you?", 4,
     {{kButtonYes, "&Yes"}, {kButtonNo, "&No"}, {kButtonCancel, "&Cancel"},
      {kButtonExplainStrategy, "&Explain strategy"}}},
    {kTemplateLong, 232, 56, false, "Shall I do this for you?", 4,
     {{kButtonYes, "&Yes"}, {kButtonNo, "&No"}, {kButtonCancel, "&Cancel"},
      {kButtonExplainStrategy, "&Explain strategy"}}},
    {kTemplateLittle, 184, 16, true, "", 2,
     {{kButtonOk, "OK"}, {kButtonExplainStrategy, "Explain strategy"}, {}, {}}},
};
// clang-format on

// The template with an id; null for an unknown id.
constexpr const HintTemplate* hint_template(int id) {
  for (const HintTemplate& t : kHintTemplates) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

}  // namespace vantry
