#include "game/drill.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "strategy/game_messages.h"
#include "game/practice.h"
#include "game/statistics.h"
#include "model/busy_manager.h"
#include "strategy/move.h"
#include "strategy/strategy.h"

namespace vantry {

namespace {

using Change = std::tuple<bool, int, int, int>;  // place, row, column, digit

// What the player changed between the two positions.
std::set<Change> player_changes(const State& shown, const State& played) {
  std::set<Change> changes;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& before = shown.cell(r, c);
      const Cell& after = played.cell(r, c);
      if (before.answer != 0) continue;
      if (after.answer != 0) {
        changes.insert({true, r, c, after.answer});
        continue;
      }
      for (int d = 1; d <= 9; ++d) {
        if (before.possible[d] && !after.possible[d] && after.deleted[d]) changes.insert({false, r, c, d});
      }
    }
  }
  return changes;
}

bool peers(int r1, int c1, int r2, int c2) { return r1 == r2 || c1 == c2 || (r1 / 3 == r2 / 3 && c1 / 3 == c2 / 3); }

// What the move changes on the shown position that the player must do by
// hand: its placements, and its removals of digits still there that none of
// its placements takes anyway (in the cell itself or, the same digit, in a
// peer), since placing an answer removes those without a deletion.
std::set<Change> move_changes(const State& shown, const Move& move) {
  std::set<Change> changes;
  const auto& actions = move.actions();
  for (const Move::Action& a : actions) {
    const Cell& cell = shown.cell(a.r, a.c);
    if (cell.answer != 0) continue;
    if (a.place) {
      changes.insert({true, a.r, a.c, a.d});
      continue;
    }
    const bool taken_by_placement = std::any_of(actions.begin(), actions.end(), [&](const Move::Action& p) {
      return p.place && ((p.r == a.r && p.c == a.c) || (p.d == a.d && peers(p.r, p.c, a.r, a.c)));
    });
    if (cell.possible[a.d] && !taken_by_placement) changes.insert({false, a.r, a.c, a.d});
  }
  return changes;
}

// The best results of strategy n are kept under these keys.
std::string best_key(const char* prefix, int n) { return prefix + std::to_string(n); }

constexpr int kLongestDrill = 100;
constexpr int kLongestTime = 24 * 60 * 60;

std::string count_line(const DrillCount& count) {
  return "Found: " + std::to_string(count.found) + "\nMissed: " + std::to_string(count.missed) +
         "\nWrong: " + std::to_string(count.wrong);
}

}  // namespace

DrillCount score_drill_move(const State& shown, const State& played, const Move& move) {
  const std::set<Change> made = player_changes(shown, played);
  const std::set<Change> wanted = move_changes(shown, move);
  DrillCount count;
  for (const Change& change : wanted) ++(made.count(change) ? count.found : count.missed);
  for (const Change& change : made) count.wrong += wanted.count(change) ? 0 : 1;
  return count;
}

int drill_score(const DrillCount& total) {
  const int all = total.found + total.missed + total.wrong;
  return all == 0 ? 0 : total.found * 100 / all;
}

DrillBest read_drill_best(IniFile& settings, int n) {
  DrillBest best;
  best.score = settings.read_integer(kDrills, best_key(kDrillScorePrefix, n).c_str(), -1);
  best.seconds = settings.read_integer(kDrills, best_key(kDrillTimePrefix, n).c_str(), 0);
  if (best.score < 0 || best.score > 100 || best.seconds < 0 || best.seconds > kLongestTime) return {};
  return best;
}

void write_drill_best(IniFile& settings, int n, const DrillBest& best) {
  settings.write_integer(kDrills, best_key(kDrillScorePrefix, n).c_str(), best.score);
  settings.write_integer(kDrills, best_key(kDrillTimePrefix, n).c_str(), best.seconds);
}

int drill_length(IniFile& settings) {
  const int n = settings.read_integer(kDrillPositions);
  return n >= 1 && n <= kLongestDrill ? n : kDrillPositions.default_value;
}

DrillReport make_drill_report(int n, const std::vector<DrillCount>& counts, const std::vector<int>& seconds,
                              const DrillBest& before, bool new_best) {
  DrillReport report;
  report.title = std::string("Drill: ") + strategy_row(n).name;
  DrillCount total;
  int all_seconds = 0;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const DrillCount& c = counts[i];
    report.rows.push_back({std::to_string(i + 1), std::to_string(c.found), std::to_string(c.missed),
                           std::to_string(c.wrong), clock_text(seconds[i])});
    total.found += c.found;
    total.missed += c.missed;
    total.wrong += c.wrong;
    all_seconds += seconds[i];
  }
  report.rows.push_back({"Total", std::to_string(total.found), std::to_string(total.missed),
                         std::to_string(total.wrong), clock_text(all_seconds)});
  const int per_position = counts.empty() ? 0 : all_seconds / static_cast<int>(counts.size());
  report.lines.push_back("Score: " + std::to_string(drill_score(total)) + "%");
  report.lines.push_back("Time per position: " + clock_text(per_position));
  if (before.score < 0) {
    report.lines.push_back("This is your first drill of this strategy.");
  } else {
    report.lines.push_back("Best before: " + std::to_string(before.score) + "%, " + clock_text(before.seconds) +
                           " per position");
  }
  if (new_best && before.score >= 0) report.lines.push_back("A new best result!");
  return report;
}

// ---- The drill in progress ----

bool Drill::run_command(int id) {
  switch (id) {
    case kCmdStartDrill: start(my_game.chosen_strategy()); return true;
    case kCmdCheckMyMove: check_move(); return true;
    case kCmdEndDrill: end(true); return true;
    default: return false;
  }
}

int Drill::menu_item_id(int id) const {
  if (running()) return id;
  if (id == kCmdCheckMyMove) return kCmdCheckMyMoveDisabled;
  if (id == kCmdEndDrill) return kCmdEndDrillDisabled;
  return id;
}

std::string Drill::progress_text() const {
  if (!running()) return {};
  return std::to_string(position()) + " of " + std::to_string(my_length);
}

void Drill::start(int n) {
  if (n < 1 || n > strategy_count() || !my_game.activity_guard()) return;
  SystemServices& services = my_game.services();
  // A rare strategy may take a long search for every position: ask first.
  if (const std::string question = practice_question(n, my_game.last_practised());
      !question.empty() && services.message_box(question, kProductName, MessageIcon::Question, MessageButtons::YesNo) !=
                               MessageAnswer::Yes) {
    return;
  }
  if (n != my_game.chosen_strategy()) my_game.choose_strategy(n);
  // The first position replaces the game in play the usual way, with the
  // offer to save it; a drill's own positions are never offered.
  my_advancing = true;
  const bool replaced = my_game.new_game_step();
  my_advancing = false;
  if (!replaced) return;
  end(false);
  my_strategy = n;
  my_length = drill_length(my_game.settings());
  if (!next_position()) end(false);
  changed();
}

bool Drill::next_position() {
  my_advancing = true;
  my_game.board().clear_modified();
  bool made = my_game.new_game_step();
  // The one source of drill positions: the practice build.
  made = made && my_game.create_practice_puzzle(my_strategy);
  my_advancing = false;
  if (!made) return false;
  // A drill's position is not a game to save: only the player's moves on it
  // are worth the question when something replaces it.
  my_game.board().clear_modified();
  my_shown = my_game.board().current();
  return true;
}

void Drill::check_move() {
  if (!running() || !my_game.activity_guard()) return;
  Strategy& engine = my_game.engine();
  BusyManager& busy = my_game.busy();
  // The move the engine makes on the position as it was shown.
  Move move;
  busy.start(kBusyHint);
  engine.find(my_shown, true, move);
  const bool cancelled = busy.cancel_pressed();
  busy.end(kBusyHint);
  if (cancelled) return;

  const DrillCount count = score_drill_move(my_shown, my_game.board().current(), move);
  const int seconds = my_game.statistics().seconds;

  // The move on the position as shown, with its Big hint marks, and why.
  State& on_display = my_game.board().current();
  on_display = my_shown;
  on_display.clear_marks(false, true);
  move.mark_on(on_display);
  my_game.board().clear_modified();
  my_game.repaint();
  std::string text = count_line(count);
  text += "\n\n";
  text += move.found() ? move.explanation() : std::string("No hints available");
  // The caption says which position of the drill this was.
  const std::string title =
      std::string(move.found() ? strategy_row(move.row()).name : kProductName) + " (" + progress_text() + ")";
  my_game.services().message_box(text, title, MessageIcon::Information, MessageButtons::Ok);
  // Counted once reviewed, so the pane names the position under review until then.
  my_counts.push_back(count);
  my_seconds.push_back(seconds);

  if (static_cast<int>(my_counts.size()) >= my_length) {
    finish();
  } else if (!next_position()) {
    end(false);
  }
  changed();
}

void Drill::finish() {
  IniFile& settings = my_game.settings();
  const DrillBest before = read_drill_best(settings, my_strategy);
  DrillCount total;
  int all_seconds = 0;
  for (std::size_t i = 0; i < my_counts.size(); ++i) {
    total.found += my_counts[i].found;
    total.missed += my_counts[i].missed;
    total.wrong += my_counts[i].wrong;
    all_seconds += my_seconds[i];
  }
  const int score = drill_score(total);
  const int per_position = all_seconds / static_cast<int>(my_counts.size());
  const bool new_best = before.beaten_by(score, per_position);
  if (new_best) write_drill_best(settings, my_strategy, {score, per_position});
  const DrillReport report = make_drill_report(my_strategy, my_counts, my_seconds, before, new_best);
  my_strategy = 0;
  my_counts.clear();
  my_seconds.clear();
  my_game.services().drill_summary(report);
}

void Drill::end(bool show_summary) {
  if (!running()) return;
  if (show_summary && !my_counts.empty()) {
    const int n = my_strategy;
    const DrillBest before = read_drill_best(my_game.settings(), n);
    const DrillReport report = make_drill_report(n, my_counts, my_seconds, before, false);
    my_strategy = 0;
    my_game.services().drill_summary(report);
  }
  my_strategy = 0;
  my_counts.clear();
  my_seconds.clear();
  changed();
}

void Drill::puzzle_replaced() {
  if (my_advancing || !running()) return;
  my_strategy = 0;
  my_counts.clear();
  my_seconds.clear();
  changed();
}

void Drill::changed() {
  ViewObserver& view = my_game.view();
  view.pane_changed(PaneUpdate::Counters);
  view.menus_changed();
}

}  // namespace vantry
