#include "strategy/move_offer.h"

#include <cctype>

#include "classlib/contract.h"
#include "classlib/platform.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "strategy/hint_host.h"
#include "strategy/hint_templates.h"
#include "strategy/strategy.h"

namespace vantry {

std::string little_hint_text(int level, int n, std::string_view detail) {
  const std::string_view name = strategy_row(n).name;
  std::string text = "Look for ";
  // The X- and W- names read "an XY-wing"; the one acronym reads "a BUG"; any
  // other name is used in the middle of the sentence, so lower case.
  if (name.starts_with('X') || name.starts_with('W')) {
    text += "an ";
    text += name;
  } else if (name == "BUG") {
    text += "a ";
    text += name;
  } else {
    text += static_cast<char>(std::tolower(static_cast<unsigned char>(name.front())));
    text += name.substr(1);
  }
  if (level != kLittleHint) {
    text += " with ";
    text += detail;
  }
  return text;
}

int offer_move(Strategy& engine, int template_id, std::string_view explanation,
               std::string_view detail, int n) {
  HintHost* host = engine.owner_window();
  VANTRY_ASSERT(host != nullptr);
  BusyManager& busy = engine.busy();
  Platform& platform = busy.platform();
  const int level = host->last_hint_level();
  const bool to_pane = engine.pane_flag() && level != kBigHint;

  // Step 1. The busy dialog must never cover a hint. In pane mode the phase
  // belongs to the pane, which ends it when it shows the text.
  busy.end(kBusyHint);

  // Step 2. A cancelled search shows nothing but a note in the pane.
  if (busy.cancel_pressed()) {
    if (to_pane) host->set_next_move_text("(cancelled)");
    return kButtonCancel;
  }

  // Step 3. No move. The pane says so in its line; a message box there would
  // interrupt every move made on a puzzle the strategies cannot finish.
  if (n == 0) {
    if (to_pane) {
      host->set_next_move_text("No hints available");
    } else {
      platform.message_box("No hints available", "Vantry", MessageIcon::Information,
                           MessageButtons::Ok);
    }
    return kButtonCancel;
  }

  // Step 4. The hint is given: count it at the level asked for. The pane's
  // next-move line counts as a Little hint, since naming the strategy is
  // exactly what a Little hint tells.
  host->count_hint(level);
  const StrategyRow& row = strategy_row(n);

  // Step 5. Big hint: show the marks and the explanation, and on Yes carry
  // the move out on a new State so that Undo takes it back.
  if (level == kBigHint) {
    host->repaint();
    const int answer = platform.hint_dialog(template_id, std::string(explanation), row.name,
                                            row.help_context, std::string(kBigHintSection));
    if (answer == kButtonCancel) {
      host->board().current().clear_marks(false, true);
      host->repaint();
    } else if (answer == kButtonYes) {
      Board& board = host->board();
      board.push();
      const int moves = board.current().apply_hint();
      host->count_moves(moves, false);
      host->repaint();
      pump_events(platform);
      host->count_moves(0, true);
    }
    return answer;
  }

  // Step 6. The button pane only wants the strategy's name.
  if (engine.pane_flag()) {
    host->set_next_move_text(row.name);
    return kButtonCancel;
  }

  // Step 7. Little and Medium hints name the strategy (and the detail).
  platform.little_hint_dialog(little_hint_text(level, n, detail),
                              level == kLittleHint ? "Little hint" : "Medium hint",
                              row.help_context, std::string(kLittleHintSection));
  return kButtonCancel;
}

}  // namespace vantry
