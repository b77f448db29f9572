#include "picture_positions.h"

#include <charconv>
#include <istream>
#include <sstream>

#include "cli/console_platform.h"
#include "strategy/move_notation.h"
#include "game/game.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/hint_command.h"
#include "strategy/move.h"
#include "strategy/move_offer.h"
#include "strategy/extended/extended_table.h"
#include "strategy/strategy.h"

namespace vantry {

namespace {

// r<row>c<column>=<digit> or r<row>c<column><><digit>, 1-based.
struct MoveToken {
  int row = 0, column = 0, digit = 0;
  bool placement = false;
};

bool read_move(std::string_view token, MoveToken& move) {
  if (token.size() < 6 || token[0] != 'r' || token[2] != 'c') return false;
  const char r = token[1], c = token[3];
  if (r < '1' || r > '9' || c < '1' || c > '9') return false;
  std::string_view rest = token.substr(4);
  if (rest.size() == 2 && rest[0] == '=') {
    move.placement = true;
  } else if (rest.size() == 3 && rest.substr(0, 2) == "<>") {
    move.placement = false;
  } else {
    return false;
  }
  const char d = rest.back();
  if (d < '1' || d > '9') return false;
  move = {r - '1', c - '1', d - '0', move.placement};
  return true;
}

}  // namespace

std::vector<PicturePosition> read_picture_positions(std::istream& in, std::vector<std::string>& errors) {
  std::vector<PicturePosition> positions;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    std::istringstream words(line);
    PicturePosition p;
    p.line = number;
    std::string strategy, word;
    words >> p.picture >> strategy >> p.givens;
    const char* const last = strategy.data() + strategy.size();
    std::from_chars_result read = std::from_chars(strategy.data(), last, p.strategy);
    if (read.ec == std::errc() && read.ptr != last && *read.ptr == '/') {
      read = std::from_chars(read.ptr + 1, last, p.found_first_as);
      if (p.found_first_as < 1 || p.found_first_as > kLastExtendedRow) read.ec = std::errc::invalid_argument;
    }
    const auto [end, error] = read;
    if (error != std::errc() || end != last || p.strategy < 1 || p.strategy > kLastExtendedRow ||
        p.givens.size() != 81) {
      errors.push_back("line " + std::to_string(number) + ": expected a picture name, a table number 1-" +
                       std::to_string(kLastExtendedRow) + " and 81 characters of givens");
      continue;
    }
    bool arrow = false;
    while (words >> word) {
      if (word == "->") {
        arrow = true;
        continue;
      }
      std::string& text = arrow ? p.marks : p.moves;
      if (!text.empty()) text += ' ';
      text += word;
    }
    if (!arrow || p.marks.empty()) {
      errors.push_back("line " + std::to_string(number) + ": no \"->\" and marks");
      continue;
    }
    positions.push_back(std::move(p));
  }
  return positions;
}

std::string build_position(const PicturePosition& position, State& s) {
  s = State();
  for (int i = 0; i < 81; ++i) {
    const char ch = position.givens[i];
    if (ch >= '1' && ch <= '9') {
      s.set_answer(i / 9, i % 9, ch - '0');
    } else if (ch != '.' && ch != '0') {
      return "unexpected character in the givens at column " + std::to_string(i + 1);
    }
  }
  s.mark_givens();
  std::istringstream words(position.moves);
  for (std::string word; words >> word;) {
    MoveToken m;
    if (!read_move(word, m)) return "not a move: " + word;
    Cell& cell = s.cell(m.row, m.column);
    if (cell.answer != 0 || !cell.possible[m.digit]) return "not possible there: " + word;
    if (m.placement) {
      s.set_answer(m.row, m.column, m.digit);
    } else {
      cell.possible[m.digit] = false;
      cell.deleted[m.digit] = true;
    }
  }
  s.solutionCount = -1;
  return {};
}

void show_position(const PicturePosition& position, const State& s, Game& game) {
  game.board().current() = s;
  game.set_extended_strategies(is_extended_row(position.strategy));
}

std::string moves_between(const State& start, const State& now) { return describe_changes(start, now); }

std::string picture_line(const std::string& picture, int strategy, const State& start, const State& now,
                         const std::string& marks) {
  std::string line = picture + ' ' + std::to_string(strategy) + ' ' + grid_text(start);
  const std::string moves = moves_between(start, now);
  if (!moves.empty()) line += ' ' + moves;
  return line + " -> " + marks;
}

namespace {

BigHintShown shown_by(Game& game, ConsolePlatform& platform) {
  BigHintShown shown;
  const std::string& title = platform.last_hint_dialog().title;
  for (int n = 1; n <= kLastExtendedRow && !title.empty(); ++n) {
    if (strategy_row(n).name == title) shown.strategy = n;
  }
  shown.marks = describe_marks(game.board().current());
  return shown;
}

}  // namespace

BigHintShown big_hint(Game& game, ConsolePlatform& platform) {
  platform.set_quiet(true);
  platform.forget_hint_dialog();
  game.set_puzzle_valid(true);
  hint_command(game, game.engine(), HintLevel::Big);
  return shown_by(game, platform);
}

BigHintShown big_hint_of(Game& game, ConsolePlatform& platform, int n) {
  const StrategyRow& row = strategy_row(n);
  if (row.finder == nullptr) return {};
  platform.set_quiet(true);
  platform.forget_hint_dialog();
  // As the hint command does, with one finder instead of the search.
  State& s = game.board().current();
  s.clear_marks(false, true);
  Strategy& engine = game.engine();
  game.set_last_hint_level(HintLevel::Big);
  engine.set_purpose(EnginePurpose::Hint, HintLevel::Big);
  engine.busy().start(kBusyHint);
  Move move;
  if (row.finder(engine.busy(), n, s, row.argument, move) != 0) {
    move.mark_on(s);
    offer_move(engine, &move);
  }
  engine.busy().end(kBusyHint);
  return shown_by(game, platform);
}

BigHintShown pictured_hint(const PicturePosition& position, Game& game, ConsolePlatform& platform) {
  if (position.found_first_as == 0) return big_hint(game, platform);
  return big_hint_of(game, platform, position.strategy);
}

}  // namespace vantry
