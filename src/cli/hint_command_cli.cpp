// vantry-cli hint: the hint command run on each puzzle as given, with a
// stand-in for the game in progress, and what it would have shown printed.
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "strategy/move_notation.h"
#include "cli/puzzle_input.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/hint_command.h"
#include "strategy/hint_host.h"
#include "strategy/strategy.h"

namespace vantry {

namespace {

// A game with one puzzle loaded and no screen: the hint's counters and
// repaints have nowhere to go.
class ConsoleHintHost final : public HintHost {
 public:
  bool entering() const override { return false; }
  bool auto_solving() const override { return false; }
  bool puzzle_valid() const override { return true; }
  Board& board() override { return my_board; }
  HintLevel last_hint_level() const override { return my_lastHintLevel; }
  void set_last_hint_level(HintLevel level) override { my_lastHintLevel = level; }
  void count_hint(HintLevel) override {}
  void count_moves(int, bool) override {}
  void repaint() override {}
  void set_next_move_text(const std::string&) override {}

 private:
  Board my_board;
  HintLevel my_lastHintLevel = HintLevel::Little;
};

}  // namespace

int hint_command_cli(std::istream& in, std::ostream& out, HintLevel level) {
  ConsolePlatform platform;
  platform.set_quiet(true);
  BusyManager busy(platform);
  Strategy engine(busy);
  return for_each_puzzle(in, out, [&](State& puzzle) {
    ConsoleHintHost host;
    host.board().current() = puzzle;
    engine.set_owner_window(&host);
    platform.forget_hint_dialog();
    platform.forget_message();
    hint_command(host, engine, level);
    const ConsolePlatform::ShownDialog& dialog = platform.last_hint_dialog();
    if (dialog.template_id != 0) {
      out << "title: " << dialog.title << '\n' << dialog.text << '\n';
      if (level == HintLevel::Big) {
        const State& s = host.board().current();
        out << "cells: " << describe_marked_cells(s) << '\n';
        out << "marks: " << describe_marks(s) << '\n';
      }
    } else {
      out << "message: " << platform.last_message() << '\n';
    }
    out << '\n';
    engine.set_owner_window(nullptr);
  });
}

}  // namespace vantry
