// Scenarios of play on the grid window, read from tests/data/grid_scenarios.txt:
// each one a title and lines of input and expected state, run on a fresh game and
// grid. A failure names the scenario and the line of the file that failed.
// tests/data/grid_game_traffic.txt has scenarios in the same language over a
// scripted game instead of the real one: every question and report that crosses
// to the game is logged, so they see exactly which calls an event makes (a
// paused grid makes none, a refused guard stops the move).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "classlib/inifile.h"
#include "game/commands.h"
#include "game/file_name.h"
#include "game/game_listener.h"
#include "game/memory_settings.h"
#include "game/presented_game.h"
#include "game/statistics.h"
#include "model/busy_manager.h"
#include "view/button_pane_model.h"
#include "view_fixture.h"
#include "support/recording_canvas.h"

namespace vantry::testing {
namespace {

class ScriptedGame final : public PresentedGame {
 public:
  explicit ScriptedGame(FakePlatform& platform) : my_platform(platform), my_busy(platform) {}

  // The script: the state the view reads and the guard's answer.
  bool valid = true, entering_now = false, creating_now = false, auto_now = false, paused_now = false;
  bool guard_passes = true;
  int solutions = 1;
  Difficulty difficulty_chosen = Difficulty::Hard;
  int strategy_chosen = 3;
  std::string move_name = "Naked single";
  // What the view told or asked, one entry a call.
  std::vector<std::string> log;
  GameListener* listener = nullptr;

  SystemServices& services() override { return my_platform; }
  ViewObserver& view() override { return my_platform; }
  IniFile& settings() override { return my_settings; }
  BusyManager& busy() override { return my_busy; }
  void set_listener(GameListener* l) override { listener = l; }

  Board& board() override { return my_board; }
  bool puzzle_valid() const override { return valid; }
  bool entering() const override { return entering_now; }
  bool creating() const override { return creating_now; }
  bool auto_solving() const override { return auto_now; }
  bool paused() const override { return paused_now; }
  const FileName& file_name() const override { return my_fileName; }
  Difficulty difficulty() const override { return Difficulty::NotRated; }
  const Statistics& statistics() const override { return my_stats; }
  const std::string& next_move_text() const override { return my_nextMove; }
  Difficulty chosen_difficulty() const override { return difficulty_chosen; }
  int chosen_strategy() const override { return strategy_chosen; }
  int drill_menu_item_id(int id) const override { return id + 10; }

  bool activity_guard() override { return note("activity_guard"), guard_passes; }
  bool puzzle_guard() override { return note("puzzle_guard"), guard_passes; }
  bool new_game_step() override { return note("new_game_step"), true; }
  int count_solutions() override {
    note(my_busy.is_busy() ? "count_solutions busy" : "count_solutions");
    return solutions;
  }
  void name_next_move() override {
    note("name_next_move");
    my_nextMove = move_name;
  }

  void left_click(int r, int c, int d) override { note("left_click", r, c, d); }
  void right_click(int r, int c, int d, bool shift, bool show_deleted) override {
    note("right_click", r, c, d);
    if (shift) log.back() += " shift";
    if (show_deleted) log.back() += " deleted";
  }
  bool entry_key(int code) override { return note("entry_key", code), entering_now; }
  bool run_command(int id) override { return note("run_command", id), true; }
  void open_file(const std::string& path) override { note("open_file " + path); }
  void resume_game() override { note("resume_game"); }
  void set_extended_strategies(bool on) override { note("set_extended_strategies", on); }
  void choose_difficulty(Difficulty d) override { note("choose_difficulty", create_command(d)); }
  void choose_strategy(int n) override { note("choose_strategy", n); }
  void set_auto_solving(bool on) override { note("set_auto_solving", on); }
  void count_moves(int delta, bool recompute) override { note("count_moves", delta, recompute); }
  void solved_check() override { note("solved_check"); }
  void repaint() override {}  // too frequent to be worth logging

 private:
  template <typename... Args>
  void note(const std::string& call, Args... numbers) {
    std::string entry = call;
    ((entry += " " + std::to_string(numbers)), ...);
    log.push_back(entry);
  }

  FakePlatform& my_platform;
  MemorySettings my_settings;
  BusyManager my_busy;
  Board my_board;
  FileName my_fileName;
  Statistics my_stats;
  std::string my_nextMove;
};

struct Step {
  int line;
  std::string text;
};
struct Scenario {
  std::string file, title;
  std::vector<Step> steps;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.title; }

std::vector<Scenario> load_scenarios(const std::string& file) {
  std::vector<Scenario> all;
  std::ifstream in(std::string(VANTRY_TEST_DATA_DIR) + "/" + file);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos || line[first] == '#') continue;
    if (line.starts_with("== ")) all.push_back({file, line.substr(3), {}});
    else if (!all.empty()) all.back().steps.push_back({number, line.substr(first)});
  }
  if (all.empty()) all.push_back({file, "Unreadable scenario file", {{0, "unreadable"}}});
  return all;
}

// The title as a test name: its letters and digits, each word capitalised.
std::string test_name(const ::testing::TestParamInfo<Scenario>& info) {
  std::string name;
  bool word_start = true;
  for (char ch : info.param.title) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) {
      word_start = true;
    } else {
      name += word_start ? static_cast<char>(std::toupper(static_cast<unsigned char>(ch))) : ch;
      word_start = false;
    }
  }
  return name;
}

// "\n" and "\b" in expected texts stand for a line break and the shortcut separator.
std::string unescape(std::string text) {
  for (auto [from, to] : {std::pair{"\\n", "\n"}, std::pair{"\\b", "\b"}}) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1)) {
      text.replace(at, 2, to);
    }
  }
  return text;
}

// clang-format off
const std::map<std::string, GridKey> kGridKeys = {
    {"Home", GridKey::Home},   {"Up", GridKey::Up},       {"Space", GridKey::Space},
    {"Insert", GridKey::Insert}, {"Zero", GridKey::Zero}, {"End", GridKey::End}};
const std::map<std::string, PlayKey> kPlayKeys = {
    {"Up", PlayKey::Up},             {"Down", PlayKey::Down},         {"Left", PlayKey::Left},
    {"Right", PlayKey::Right},       {"RowStart", PlayKey::RowStart}, {"RowEnd", PlayKey::RowEnd},
    {"FirstCell", PlayKey::FirstCell}, {"LastCell", PlayKey::LastCell}, {"Delete", PlayKey::Delete}};
const std::map<std::string, MessageAnswer> kAnswers = {
    {"Ok", MessageAnswer::Ok}, {"Cancel", MessageAnswer::Cancel},
    {"Yes", MessageAnswer::Yes}, {"No", MessageAnswer::No}};
const std::map<std::string, MessageIcon> kIcons = {
    {"None", MessageIcon::None}, {"Information", MessageIcon::Information},
    {"Exclamation", MessageIcon::Exclamation}, {"Question", MessageIcon::Question}};
const std::map<std::string, MessageButtons> kButtons = {
    {"Ok", MessageButtons::Ok}, {"OkCancel", MessageButtons::OkCancel}, {"YesNo", MessageButtons::YesNo}};
const std::map<std::string, bool DisplaySwitches::*> kSwitches = {
    {"singles", &DisplaySwitches::singles}, {"solve-singles", &DisplaySwitches::solve_singles},
    {"user-answers", &DisplaySwitches::user_answers}};
// clang-format on

using Words = std::istringstream;

// Readers of a step's words, each taking the next ones (so never two in one call,
// whose arguments are read in no fixed order).
std::string word(Words& words) {
  std::string w;
  words >> w;
  return w;
}
int number(Words& words) {
  int n = 0;
  EXPECT_TRUE(words >> n) << "a number is missing";
  return n;
}
bool yes(Words& words) {
  const std::string w = word(words);
  EXPECT_TRUE(w == "yes" || w == "no") << "yes or no, not \"" << w << '"';
  return w == "yes";
}
// Keyboard play and commands report whether they took the input.
bool accepted(Words& words) { return words.str().find(" refused") == std::string::npos; }
std::vector<int> numbers(Words& words) {
  std::vector<int> out;
  for (int n; words >> n;) out.push_back(n);
  return out;
}
std::string rest(Words& words) {
  std::string text;
  std::getline(words >> std::ws, text);
  return unescape(text);
}

// The rest of the line cut at '|', each part without its surrounding spaces.
std::vector<std::string> fields(Words& words) {
  std::vector<std::string> out;
  std::istringstream parts(rest(words));
  for (std::string part; std::getline(parts, part, '|');) {
    const auto first = part.find_first_not_of(' ');
    out.push_back(first == std::string::npos ? "" : part.substr(first, part.find_last_not_of(' ') - first + 1));
  }
  return out;
}

// A cell as "r3c5", optionally with the slot of the digit clicked: "r3c5d4" (else 5).
struct Place {
  int row = 0, column = 0, digit = 5;
};
Place place(Words& words) {
  const std::string w = word(words);
  Place p;
  EXPECT_GE(std::sscanf(w.c_str(), "r%dc%dd%d", &p.row, &p.column, &p.digit), 2) << "not a cell: " << w;
  return {p.row - 1, p.column - 1, p.digit};
}
std::vector<std::pair<int, int>> places(Words& words) {
  std::vector<std::pair<int, int>> out;
  while (words >> std::ws && !words.eof()) {
    const Place p = place(words);
    out.push_back({p.row, p.column});
  }
  return out;
}

class GridScenario : public ViewTest, public ::testing::WithParamInterface<Scenario> {
 protected:
  void SetUp() override;
  const Cell& cell(Words& words) {
    const Place p = place(words);
    return current().cell(p.row, p.column);
  }
  // The middle of the slot, with the modifiers named after the cell, on the
  // screen 1000 pixels further.
  GridMouse mouse(Words& words) {
    const Place p = place(words);
    const int x = p.column * 33 + ((p.digit - 1) % 3) * 11 + 5, y = p.row * 33 + ((p.digit - 1) / 3) * 11 + 5;
    last_mouse = {x, y, false, false, x + 1000, y + 1000};
    for (std::string m; words >> m;) (m == "shift" ? last_mouse.shift : last_mouse.control) = true;
    return last_mouse;
  }
  std::string setting(Words& words) {
    const std::string section = word(words), key = word(words);
    char buffer[256];
    grid.settings().read_string(section.c_str(), key.c_str(), "", buffer, sizeof buffer);
    return buffer;
  }
  long pane_highlights() const {
    return std::count(platform.pane_updates.begin(), platform.pane_updates.end(), PaneUpdate::Highlight);
  }

  // The grid input goes to: the one over the scripted game once there is one.
  GridWindow& view() { return scripted_grid ? *scripted_grid : grid; }

  std::map<std::string, std::function<void(Words&)>> steps;  // by verb, or "expect <what>"
  std::unique_ptr<ScriptedGame> scripted;
  std::unique_ptr<GridWindow> scripted_grid;
  GridMouse last_mouse;
  State marked;  // the grid at "mark"
  long marked_pane_highlights = 0;
  int paused_under_dialog = -1;  // -1 until a hint dialog opens
};

void GridScenario::SetUp() {
  grid.resize(300, 330);  // cells of 33 pixels, slots of 11
  platform.on_hint_dialog = [this] { paused_under_dialog = game.paused(); };
  // clang-format off
  steps = {
      {"paste", [&](Words&) { paste_puzzle(); }},
      {"left", [&](Words& w) { view().left_down(mouse(w)); }},
      {"release", [&](Words& w) { grid.left_up(mouse(w)); }},
      {"right", [&](Words& w) { view().right_down(mouse(w)); }},
      {"drag", [&](Words& w) {  // with Shift held: a chain
         Words down(word(w) + " shift"), up(word(w) + " shift");
         grid.left_down(mouse(down));
         grid.left_up(mouse(up));
       }},
      {"type", [&](Words& w) { view().char_typed(rest(w)); }},
      {"key", [&](Words& w) { grid.key_down(kGridKeys.at(word(w))); }},
      {"play", [&](Words& w) { EXPECT_EQ(grid.play_key(kPlayKeys.at(word(w))), accepted(w)); }},
      {"digit", [&](Words& w) {
         const int d = number(w);
         const std::string modifiers = rest(w);
         EXPECT_EQ(grid.play_digit(d, modifiers.find("control") != std::string::npos,
                                   modifiers.find("alt") != std::string::npos), accepted(w));
       }},
      {"command", [&](Words& w) { EXPECT_EQ(view().run_command(number(w)), accepted(w)); }},
      {"highlight", [&](Words& w) {
         const int d = number(w);
         grid.highlight_digit(d, word(w) == "shift");
       }},
      {"shift", [&](Words& w) { platform.shift = yes(w); }},
      {"answers", [&](Words& w) { while (w >> std::ws && !w.eof()) platform.answers.push_back(kAnswers.at(word(w))); }},
      {"coloring-answers", [&](Words& w) { for (int a : numbers(w)) platform.coloring_answers.push_back(a); }},
      {"hint-answers", [&](Words& w) { for (int a : numbers(w)) platform.hint_answers.push_back(a); }},
      {"pause", [&](Words&) { game.pause_game(); }},
      {"undo", [&](Words&) { game.undo(); }},
      {"start-over", [&](Words&) { game.start_over(); }},
      {"enter-puzzle", [&](Words&) { game.enter_puzzle(); }},
      {"difficulty", [&](Words& w) { game.choose_difficulty(create_command_difficulty(number(w))); }},
      {"strategy", [&](Words& w) { game.choose_strategy(number(w)); }},
      {"hint-chain", [&](Words& w) {  // a chain as a hint shows it
         game.board().current().clear_chain();
         for (auto [r, c] : places(w)) game.board().current().append(r, c, false);
       }},
      {"place-all", [&](Words& w) {  // every empty cell of a digit answered, not as moves
         const int d = number(w);
         for (int i = 0; i < 81; ++i) {
           if (kSolution[i] - '0' == d && current().cell(i / 9, i % 9).answer == 0) game.board().current().set_answer(i / 9, i % 9, d);
         }
       }},
      {"set", [&](Words& w) {
         const std::string section = word(w), key = word(w);
         grid.settings().write_string(section.c_str(), key.c_str(), rest(w).c_str());
       }},
      {"set-up", [&](Words&) { grid.set_up(); }},
      {"paint", [&](Words&) {
         RecordingCanvas canvas;
         grid.paint_grid(canvas, true, {0, 0, 300, 330}, false);
       }},
      {"clear-messages", [&](Words&) { platform.messages.clear(); }},
      {"shifted-key", [&](Words& w) {  // what Shift with a digit types on this layout
         const std::string digit = word(w);
         platform.shifted_keys[digit[0]] = rest(w);
       }},
      {"input-answers", [&](Words& w) { while (w >> std::ws && !w.eof()) platform.input_answers.push_back(word(w)); }},
      {"stop-solving", [&](Words&) { grid.set_stop_solving(true); }},
      {"fire-singles-timer", [&](Words&) { platform.fire_timer(kSinglesTimer); }},
      {"scripted", [&](Words& w) {  // a fresh grid over a scripted game: its state
         scripted_grid.reset();
         scripted = std::make_unique<ScriptedGame>(platform);
         for (std::string flag; w >> flag;) {
           if (flag == "paused") scripted->paused_now = true;
           else if (flag == "entering") scripted->entering_now = true;
           else if (flag == "refuse") scripted->guard_passes = false;
           else if (flag == "auto") scripted->auto_now = true;
           else ADD_FAILURE() << "unknown state " << flag;
         }
         scripted_grid = std::make_unique<GridWindow>(*scripted);
         scripted_grid->set_up();
         scripted_grid->resize(300, 330);
         scripted->log.clear();
       }},
      {"mark", [&](Words&) {
         marked = current();
         marked_pane_highlights = pane_highlights();
       }},

      {"expect log", [&](Words& w) {  // the scripted game's calls since the last look
         ASSERT_TRUE(scripted) << "no scripted game";
         std::vector<std::string> calls;
         std::istringstream all(rest(w));
         for (std::string call; std::getline(all >> std::ws, call, ';');) calls.push_back(call);
         if (calls == std::vector<std::string>{"-"}) calls.clear();
         EXPECT_EQ(scripted->log, calls);
         scripted->log.clear();
       }},
      {"expect cursor", [&](Words& w) { EXPECT_EQ(platform.grid_cursor, word(w) == "chain" ? GridCursor::Chain : GridCursor::Arrow); }},
      {"expect chain", [&](Words& w) {
         std::vector<std::pair<int, int>> chain;
         for (int i = 0; i < current().chain_length(); ++i) chain.push_back({current().chain_row(i), current().chain_column(i)});
         EXPECT_EQ(chain, places(w));
       }},
      {"expect user-chain", [&](Words& w) { EXPECT_EQ(current().chain_is_user(), yes(w)); }},
      {"expect moves", [&](Words& w) { EXPECT_EQ(game.statistics().moves_made, number(w)); }},
      {"expect states", [&](Words& w) { EXPECT_EQ(game.board().size(), number(w)); }},
      {"expect color", [&](Words& w) {
         const Cell& c = cell(w);
         EXPECT_EQ(c.color, number(w));
       }},
      {"expect answer", [&](Words& w) {
         const Cell& c = cell(w);
         EXPECT_EQ(c.answer, number(w));
       }},
      {"expect possible", [&](Words& w) {
         const Cell& c = cell(w);
         const int d = number(w);
         EXPECT_EQ(c.possible[d], yes(w));
       }},
      {"expect deleted", [&](Words& w) {
         const Cell& c = cell(w);
         const int d = number(w);
         EXPECT_EQ(c.deleted[d], yes(w));
       }},
      {"expect highlight", [&](Words& w) {
         std::vector<int> digits;
         for (int d = 1; d <= 9; ++d) {
           if (grid.highlight().digits[d]) digits.push_back(d);
         }
         EXPECT_EQ(digits, numbers(w));
       }},
      {"expect checked", [&](Words& w) { for (int id : numbers(w)) EXPECT_TRUE(grid.menu_checked(id)) << id; }},
      {"expect unchecked", [&](Words& w) { for (int id : numbers(w)) EXPECT_FALSE(grid.menu_checked(id)) << id; }},
      {"expect setting", [&](Words& w) {
         const std::string value = setting(w);
         EXPECT_EQ(value, rest(w));
       }},
      {"expect menu-text", [&](Words& w) {
         const int id = number(w);
         EXPECT_EQ(grid.menu_text(id), rest(w));
       }},
      {"expect menu-id", [&](Words& w) {
         const int id = number(w);
         EXPECT_EQ(grid.menu_item_id(id), number(w));
       }},
      {"expect message", [&](Words& w) {  // the last one: <caption> | <icon> | <text>
         const std::vector<std::string> f = fields(w);
         ASSERT_EQ(f.size(), 3u);
         expect_message(f[2], f[0], kIcons.at(f[1]));
       }},
      {"expect messages", [&](Words& w) { EXPECT_EQ(platform.messages.size(), static_cast<size_t>(number(w))); }},
      {"expect first-message", [&](Words& w) {  // <buttons> <caption>
         ASSERT_FALSE(platform.messages.empty());
         EXPECT_EQ(platform.messages[0].buttons, kButtons.at(word(w)));
         EXPECT_EQ(platform.messages[0].caption, rest(w));
       }},
      {"expect first-input", [&](Words& w) {  // <title> | <prompt> | <text> | <longest>
         const std::vector<std::string> f = fields(w);
         ASSERT_FALSE(platform.inputs.empty());
         ASSERT_EQ(f.size(), 4u);
         const FakePlatform::RecordedInput& input = platform.inputs[0];
         EXPECT_EQ(input.title, f[0]);
         EXPECT_EQ(input.prompt, f[1]);
         EXPECT_EQ(input.text, f[2]);
         EXPECT_EQ(input.max_chars, std::stoi(f[3]));
       }},
      {"expect shifted", [&](Words& w) {  // what Shift with the digit types, as the grid took it
         const int d = number(w);
         EXPECT_EQ(grid.shifted_digit(d - 1), rest(w));
       }},
      {"expect solve-now", [&](Words& w) { EXPECT_EQ(grid.solve_now(), yes(w)); }},
      {"expect stop-solving", [&](Words& w) { EXPECT_EQ(grid.stop_solving(), yes(w)); }},
      {"expect singles-timer", [&](Words& w) { EXPECT_EQ(platform.timer_running(kSinglesTimer), yes(w)); }},
      {"expect pending-single", [&](Words& w) { EXPECT_EQ(grid.pending_single().row != -1, yes(w)); }},
      {"expect singles-delay", [&](Words& w) { EXPECT_EQ(grid.singles_delay_ms(), number(w)); }},
      {"expect announcement", [&](Words& w) { EXPECT_EQ(grid.take_announcement(), rest(w)); }},
      {"expect cell-text", [&](Words& w) {
         const Place p = place(w);
         EXPECT_EQ(grid.cell_text(p.row, p.column), rest(w));
       }},
      {"expect play-cursor", [&](Words& w) {
         const Place p = place(w);
         EXPECT_EQ(grid.play_cursor(), (PlayCursor{p.row, p.column}));
       }},
      {"expect paused", [&](Words& w) { EXPECT_EQ(game.paused(), yes(w)); }},
      {"expect paused-under-dialog", [&](Words& w) {
         EXPECT_EQ(paused_under_dialog, yes(w) ? 1 : 0);
         paused_under_dialog = -1;
       }},
      {"expect clock", [&](Words& w) { EXPECT_EQ(game.clock_running(), yes(w)); }},
      {"expect entering", [&](Words& w) { EXPECT_EQ(game.entering(), yes(w)); }},
      {"expect coloring-dialog", [&](Words& w) {  // the last one, from the mouse on the screen
         ASSERT_FALSE(platform.coloring_dialogs.empty());
         const int dx = number(w), dy = number(w);
         EXPECT_EQ(platform.coloring_dialogs.back().x - last_mouse.screen_x, dx);
         EXPECT_EQ(platform.coloring_dialogs.back().y - last_mouse.screen_y, dy);
       }},
      {"expect switch", [&](Words& w) {
         const bool DisplaySwitches::*field = kSwitches.at(word(w));
         EXPECT_EQ(grid.switches().*field, yes(w));
       }},
      {"expect arranges", [&](Words& w) { EXPECT_EQ(platform.arranges, number(w)); }},
      {"expect coloring-index", [&](Words& w) { EXPECT_EQ(grid.default_coloring_index(), number(w)); }},
      {"expect strategy", [&](Words& w) { EXPECT_EQ(game.chosen_strategy(), number(w)); }},
      {"expect available", [&](Words& w) {
         const int d = number(w);
         EXPECT_EQ(grid.digit_available(d), yes(w));
       }},
      {"expect buttons-follow-counts", [&](Words&) {  // "# of possibilities": a button per count
         for (int d = 1; d <= 9; ++d) EXPECT_EQ(grid.digit_available(d), grid.possibility_counts()[d] > 0) << d;
       }},
      {"expect pane-highlight", [&](Words&) {  // the pane's last update
         ASSERT_FALSE(platform.pane_updates.empty());
         EXPECT_EQ(platform.pane_updates.back(), PaneUpdate::Highlight);
       }},
      {"expect pane-highlights-grew", [&](Words&) { EXPECT_GT(pane_highlights(), marked_pane_highlights); }},
      {"expect as-marked", [&](Words&) {  // every answer and possibility
         for (int i = 0; i < 81; ++i) {
           const Cell &now = current().cell(i / 9, i % 9), &then = marked.cell(i / 9, i % 9);
           EXPECT_EQ(now.answer, then.answer) << "cell " << i;
           for (int d = 1; d <= 9; ++d) EXPECT_EQ(now.possible[d], then.possible[d]) << "cell " << i << ", " << d;
         }
       }},
  };
  // clang-format on
}

TEST_P(GridScenario, Runs) {
  for (const Step& step : GetParam().steps) {
    SCOPED_TRACE(GetParam().file + ":" + std::to_string(step.line) + ": " + step.text);
    Words words(step.text);
    std::string verb = word(words);
    if (verb == "expect") verb += " " + word(words);
    const auto found = steps.find(verb);
    if (found == steps.end()) ADD_FAILURE() << "unknown step";
    else found->second(words);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, GridScenario, ::testing::ValuesIn(load_scenarios("grid_scenarios.txt")), test_name);
INSTANTIATE_TEST_SUITE_P(Traffic, GridScenario, ::testing::ValuesIn(load_scenarios("grid_game_traffic.txt")),
                         test_name);

class ScriptedGameTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  ScriptedGame game{platform};
};

TEST_F(ScriptedGameTest, GridListensOnlyWhileItLivesAndLabelsTheGamesChoices) {
  {
    GridWindow grid(game);
    EXPECT_EQ(game.listener, &grid);
    EXPECT_EQ(grid.menu_text(create_command(Difficulty::Hard)), "&Hard\bCtrl+N");
    EXPECT_EQ(grid.menu_text(kCmdCreateEasy), "&Easy");
    EXPECT_NE(grid.menu_text(kCmdPracticeBase + 3).find("\bShift+P"), std::string::npos);
    EXPECT_EQ(grid.menu_text(kCmdPracticeBase + 4).find('\b'), std::string::npos);
    EXPECT_EQ(grid.menu_item_id(kCmdEndDrill), kCmdEndDrill + 10);
  }
  EXPECT_EQ(game.listener, nullptr);  // no dangling listener after the grid is gone
}

// The pane's status count runs inside the status busy phase; without a puzzle
// the lines say so and start no search. (What a search shows is
// ButtonPaneTest's, on the real game.)
TEST_F(ScriptedGameTest, PaneCountsInsideItsBusyPhaseAndNeverWithoutAPuzzle) {
  GridWindow grid(game);
  ButtonPaneModel pane(game, grid);
  game.solutions = -1;  // a count stopped other than by Cancel, as a close does
  pane.set_status_on(true);
  EXPECT_EQ(pane.status_line().text, "(cancelled)");
  EXPECT_EQ(game.log, std::vector<std::string>{"count_solutions busy"});
  EXPECT_FALSE(game.busy().is_busy());
  game.log.clear();
  game.valid = false;
  pane.set_next_move_on(true);
  pane.update_lines(true);
  EXPECT_EQ(pane.next_move_line(), "No puzzle yet");
  EXPECT_EQ(pane.status_line().text, "No puzzle yet");
  EXPECT_EQ(game.log, std::vector<std::string>{});
}

// The singles delay as the player types it: seconds, up to 2, to the millisecond.
TEST(SinglesDelay, ParsesSecondsAndRefusesTheRest) {
  EXPECT_EQ(GridWindow::parse_delay("0.0004"), 0);
  EXPECT_EQ(GridWindow::parse_delay("0.25  "), 250);
  EXPECT_EQ(GridWindow::parse_delay("2"), 2000);
  EXPECT_EQ(GridWindow::parse_delay("2.5"), -1);
  EXPECT_EQ(GridWindow::parse_delay("0"), -1);
  EXPECT_EQ(GridWindow::parse_delay("fast"), -1);
  EXPECT_EQ(GridWindow::parse_delay("0.5s"), -1);
  EXPECT_EQ(GridWindow::parse_delay(""), -1);
  EXPECT_EQ(GridWindow::delay_text(1000), "1");
}

}  // namespace
}  // namespace vantry::testing
