// The grid window and the button pane over a scripted game instead of the real
// one: every question and report that crosses to the game is logged, so the
// tests see exactly which calls an event makes (a paused grid makes none, a
// refused guard stops the move). The traffic cases are data, one line each, in
// tests/data/grid_game_traffic.txt.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/commands.h"
#include "game/file_name.h"
#include "game/game_listener.h"
#include "game/memory_settings.h"
#include "game/presented_game.h"
#include "game/statistics.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "support/fake_platform.h"
#include "view/button_pane_model.h"
#include "view/grid_window.h"

namespace vantry::testing {
namespace {

class ScriptedGame final : public PresentedGame {
 public:
  explicit ScriptedGame(Platform& platform) : my_platform(platform), my_busy(platform) {}

  // The script: the state the view reads and the guard's answer.
  bool valid = true, entering_now = false, creating_now = false, auto_now = false, paused_now = false;
  bool guard_passes = true;
  int solutions = 1;
  int difficulty_chosen = kCmdCreateBase + 3, strategy_chosen = 3;
  std::string move_name = "Naked single";
  // What the view told or asked, one entry a call.
  std::vector<std::string> log;
  GameListener* listener = nullptr;

  Platform& platform() override { return my_platform; }
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
  int difficulty() const override { return 0; }
  const Statistics& statistics() const override { return my_stats; }
  const std::string& next_move_text() const override { return my_nextMove; }
  int chosen_difficulty() const override { return difficulty_chosen; }
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
  void choose_difficulty(int id) override { note("choose_difficulty", id); }
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

  Platform& my_platform;
  MemorySettings my_settings;
  BusyManager my_busy;
  Board my_board;
  FileName my_fileName;
  Statistics my_stats;
  std::string my_nextMove;
};

std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, by);) {
    const auto first = part.find_first_not_of(' '), last = part.find_last_not_of(' ');
    if (first != std::string::npos) parts.push_back(part.substr(first, last - first + 1));
  }
  return parts;
}

class ScriptedGameTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  ScriptedGame game{platform};
};

// One event of a traffic line on the grid (cells of 33 pixels, slots of 11).
void send(GridWindow& grid, const std::string& event) {
  std::istringstream in(event);
  std::string kind, modifier;
  in >> kind;
  if (kind == "T") {
    std::string ch;
    in >> ch;
    grid.char_typed(ch);
  } else if (kind == "C") {
    int id = 0;
    in >> id;
    grid.run_command(id);
  } else {
    int r = 0, c = 0, d = 0;
    in >> r >> c >> d >> modifier;
    const int x = c * 33 + ((d - 1) % 3) * 11 + 5, y = r * 33 + ((d - 1) / 3) * 11 + 5;
    const GridMouse m{x, y, modifier == "shift", modifier == "control", x, y};
    ASSERT_TRUE(kind == "L" || kind == "R") << event;
    if (kind == "L") grid.left_down(m);
    else grid.right_down(m);
  }
}

TEST_F(ScriptedGameTest, EventsMakeExactlyTheirCallsOnTheGame) {
  std::ifstream file(std::string(VANTRY_TEST_DATA_DIR) + "/grid_game_traffic.txt");
  ASSERT_TRUE(file) << "grid_game_traffic.txt";
  int cases = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> fields = split(line, '|');
    ASSERT_EQ(fields.size(), 3u) << line;
    ScriptedGame scripted(platform);
    for (const std::string& flag : split(fields[0], ' ')) {
      if (flag == "paused") scripted.paused_now = true;
      else if (flag == "entering") scripted.entering_now = true;
      else if (flag == "refuse") scripted.guard_passes = false;
      else if (flag == "auto") scripted.auto_now = true;
      else ASSERT_EQ(flag, "-") << line;
    }
    GridWindow grid(scripted);
    grid.set_up();
    grid.resize(300, 330);
    scripted.log.clear();
    for (const std::string& event : split(fields[1], ';')) send(grid, event);
    const std::vector<std::string> expected =
        fields[2] == "-" ? std::vector<std::string>{} : split(fields[2], ';');
    EXPECT_EQ(scripted.log, expected) << line;
    ++cases;
  }
  EXPECT_GE(cases, 20);
}

TEST_F(ScriptedGameTest, GridListensOnlyWhileItLivesAndLabelsTheGamesChoices) {
  {
    GridWindow grid(game);
    EXPECT_EQ(game.listener, &grid);
    EXPECT_EQ(grid.menu_text(kCmdCreateBase + 3), "&Hard\bCtrl+N");
    EXPECT_EQ(grid.menu_text(kCmdCreateEasy), "&Easy");
    EXPECT_NE(grid.menu_text(kCmdPracticeBase + 3).find("\bShift+P"), std::string::npos);
    EXPECT_EQ(grid.menu_text(kCmdPracticeBase + 4).find('\b'), std::string::npos);
    EXPECT_EQ(grid.menu_item_id(kCmdEndDrill), kCmdEndDrill + 10);
  }
  EXPECT_EQ(game.listener, nullptr);  // no dangling listener after the grid is gone
}

// The pane's status and next-move lines come from the game's own searches:
// the count runs inside the status busy phase, which ends whatever the outcome.
TEST_F(ScriptedGameTest, PaneLinesFromTheGamesSearches) {
  GridWindow grid(game);
  ButtonPaneModel pane(game, grid);
  const struct {
    int solutions;
    const char* status;
  } outcomes[] = {{1, "OK"}, {0, "NO SOLUTION!"}, {2, "Multiple solutions!"}, {-1, "(cancelled)"}};
  for (const auto& o : outcomes) {
    game.solutions = o.solutions;
    game.log.clear();
    pane.set_status_on(true);
    EXPECT_EQ(pane.status_line().text, o.status);
    EXPECT_EQ(game.log, std::vector<std::string>{"count_solutions busy"});
    EXPECT_FALSE(game.busy().is_busy());
    EXPECT_EQ(grid.stop_solving(), o.solutions != 1);
  }
  game.log.clear();
  pane.set_next_move_on(true);
  EXPECT_EQ(pane.next_move_line(), "Naked single");
  game.valid = false;  // no puzzle: no search at all
  pane.update_lines(true);
  EXPECT_EQ(pane.next_move_line(), "No puzzle yet");
  EXPECT_EQ(pane.status_line().text, "No puzzle yet");
  EXPECT_EQ(game.log, std::vector<std::string>{"name_next_move"});
}

}  // namespace
}  // namespace vantry::testing
