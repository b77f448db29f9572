#include "strategy/hint_command.h"

#include "classlib/contract.h"
#include "classlib/system_services.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "strategy/game_messages.h"
#include "strategy/hint_host.h"
#include "strategy/strategy.h"

namespace vantry {

void hint_command(HintHost& host, Strategy& engine, HintLevel level) {
  BusyManager& busy = engine.busy();
  SystemServices& services = busy.services();

  // Step 1. The guards: nothing while a puzzle is entered, while something
  // else runs, or without a puzzle.
  if (host.entering()) {
    services.message_box(kFinishEnteringText, kProductName, MessageIcon::Exclamation, MessageButtons::Ok);
    return;
  }
  if (host.auto_solving() || busy.is_busy()) return;
  if (!host.puzzle_valid()) {
    services.message_box(kNoPuzzleText, kProductName, MessageIcon::Exclamation, MessageButtons::Ok);
    return;
  }

  // Steps 2-3. A new hint starts from a clean grid: no old marks, no chain
  // (the player's included), and for a Big hint no cell colouring that could
  // hide its marks.
  State& s = host.board().current();
  const bool was_solved = s.is_solved();
  s.clear_marks(false, true);
  if (level == HintLevel::Big) {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) s.cell(r, c).color = 0;
    }
  }

  // Steps 4-7. The search; the move offer ends the busy phase before any
  // dialog opens.
  host.set_last_hint_level(level);
  engine.set_purpose(EnginePurpose::Hint, level);
  busy.start(kBusyHint);
  engine.search(s, true);
  busy.end(kBusyHint);  // already ended unless no offer was made

  // Step 8. A Big hint answered Yes may have filled the last cell. A grid that
  // was full before the hint was congratulated when it was filled.
  if (!was_solved && host.board().current().is_solved()) {
    services.message_box(kCongratulationsText, kProductName, MessageIcon::Exclamation, MessageButtons::Ok);
  }
}

void find_next_move(HintHost& host, Strategy& engine) {
  host.set_last_hint_level(HintLevel::Little);
  engine.set_purpose(EnginePurpose::PaneLookUp);
  engine.busy().start(kBusyNextMove);
  // The look-up runs after every move while the player may be following a
  // hint or drawing a chain: it reads the position and only names the move,
  // so the marks and the chain on display stay as they are.
  engine.name_next_move(host.board().current(), true);
  // The pane ends the phase when it shows the text; this covers a host that
  // does not.
  engine.busy().end(kBusyNextMove);
}

}  // namespace vantry
