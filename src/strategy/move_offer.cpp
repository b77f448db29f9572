#include "strategy/move_offer.h"

#include <cctype>

#include "classlib/contract.h"
#include "classlib/system_services.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "strategy/hint_host.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "strategy/strategy.h"

namespace vantry {

std::string little_hint_text(HintLevel level, int n, std::string_view detail) {
  const std::string_view name = strategy_row(n).name;
  std::string text = "Look for ";
  // The X- and W- names read "an XY-wing", and so do the almost locked sets
  // ("an ALS-XZ"); the one acronym reads "a BUG"; any other name is used in
  // the middle of the sentence, so lower case.
  if (name.starts_with('X') || name.starts_with('W') || name.starts_with("ALS")) {
    text += "an ";
    text += name;
  } else if (name == "BUG") {
    text += "a ";
    text += name;
  } else {
    text += static_cast<char>(std::tolower(static_cast<unsigned char>(name.front())));
    text += name.substr(1);
  }
  if (level != HintLevel::Little) {
    text += " with ";
    text += detail;
  }
  return text;
}

int offer_move(Strategy& engine, const Move* move) {
  HintHost* host = engine.owner_window();
  VANTRY_ASSERT(host != nullptr);
  BusyManager& busy = engine.busy();
  SystemServices& services = busy.services();
  const HintLevel level = host->last_hint_level();

  // Step 1. The busy dialog must never cover a hint.
  busy.end(kBusyHint);

  // Step 2. A cancelled search shows nothing.
  if (busy.cancel_pressed()) return kButtonCancel;

  // Step 3. No move.
  if (move == nullptr) {
    services.message_box("No hints available", "Vantry", MessageIcon::Information, MessageButtons::Ok);
    return kButtonCancel;
  }

  // Step 4. The hint is given: count it at the level asked for.
  host->count_hint(level);
  const StrategyRow& row = strategy_row(move->row());

  // Step 5. Big hint: show the marks and the explanation, and on Yes carry
  // the move out on a new State so that Undo takes it back.
  if (level == HintLevel::Big) {
    host->repaint();
    const int answer = services.hint_dialog(move->template_id(), move->explanation(), row.name, row.help_context,
                                            std::string(kBigHintSection));
    if (answer == kButtonCancel) {
      host->board().current().clear_marks(false, true);
      host->repaint();
    } else if (answer == kButtonYes) {
      Board& board = host->board();
      board.push();
      const int moves = board.current().apply_hint();
      host->count_moves(moves, false);
      host->repaint();
      pump_events(services);
      host->count_moves(0, true);
    }
    return answer;
  }

  // Step 6. Little and Medium hints name the strategy (and the detail).
  services.little_hint_dialog(little_hint_text(level, move->row(), move->detail()),
                              level == HintLevel::Little ? "Little hint" : "Medium hint", row.help_context,
                              std::string(kLittleHintSection));
  return kButtonCancel;
}

void name_move(Strategy& engine, int n) {
  HintHost* host = engine.owner_window();
  VANTRY_ASSERT(host != nullptr);
  BusyManager& busy = engine.busy();

  // Step 1. A cancelled look-up leaves a note. The pane's own busy phase is
  // ended by the pane when it shows the text.
  if (busy.cancel_pressed()) {
    host->set_next_move_text("(cancelled)");
    return;
  }
  // Step 2. No move. The pane says so in its line; a message box there would
  // interrupt every move made on a puzzle the strategies cannot finish.
  if (n == 0) {
    host->set_next_move_text("No hints available");
    return;
  }
  // Step 3. The name. It counts as a Little hint, since naming the strategy
  // is exactly what a Little hint tells.
  host->count_hint(host->last_hint_level());
  host->set_next_move_text(strategy_row(n).name);
}

}  // namespace vantry
