// help_pictures: the pictures of the strategy guides, drawn by the program's
// own grid painter.
//
//   help_pictures render POSITIONS OUTDIR
//       draws every position of the file with its Big hint marks into
//       OUTDIR/<picture>.png, after checking that the Big hint there is the
//       strategy and the move the file names (status 1 when one is not); the
//       Big hint's explanation of each goes to standard output
//   help_pictures find [--per N] FILE...
//       solves the puzzles of the files (one a line, 81 characters) with the
//       strategies and prints, for each strategy, the first N positions
//       (default 1) where it is the next move, as lines of a position file
//   help_pictures library [--per N] LIBRARY STRATEGY [FROM]
//       prints the lines of a position file for the first N (default 1)
//       positions of a practice library (FROM's, default STRATEGY's) on which
//       the Big hint is STRATEGY, the extended ones searched for; or, as
//       STRATEGY/M, on which STRATEGY's own finder makes the very move the
//       search finds first as M
//   help_pictures line GAME.spz
//       prints the line of a position file for the game on display in a saved
//       game (vantry-cli practice --spz writes such games)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/apply_loop.h"
#include "cli/console_platform.h"
#include "cli/puzzle_input.h"
#include "game/commands.h"
#include "game/game.h"
#include "game/position_text.h"
#include "game/practice_library.h"
#include "game/saved_game.h"
#include "view/grid_window.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "picture_positions.h"
#include "strategy/extended/extended_table.h"
#include "strategy/strategy.h"
#include "ui/qt_canvas.h"

namespace {

using namespace vantry;

// The grid at 15 pixels a small digit's slot: 45-pixel cells, 408 pixels a side.
constexpr int kPictureSize = 408;

QImage draw(GridWindow& grid) {
  QImage image(kPictureSize, kPictureSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    QtCanvas canvas(painter);
    grid.resize(kPictureSize, kPictureSize);
    grid.paint_grid(canvas, true, Rect{0, 0, kPictureSize, kPictureSize}, false);
  }
  painter.end();
  return image;
}

int render(const std::string& positions_path, const std::filesystem::path& out_dir) {
  std::ifstream file(positions_path);
  if (!file) {
    std::cerr << "help_pictures: cannot open " << positions_path << '\n';
    return 1;
  }
  std::vector<std::string> errors;
  const std::vector<PicturePosition> positions = read_picture_positions(file, errors);
  std::filesystem::create_directories(out_dir);
  for (const PicturePosition& p : positions) {
    State s;
    if (std::string reason = build_position(p, s); !reason.empty()) {
      errors.push_back("line " + std::to_string(p.line) + ": " + reason);
      continue;
    }
    ConsolePlatform platform;
    SilentView view;
    Game game(platform, view);
    GridWindow grid(game);
    // The player's answers in their own colour, as the avoidable rectangles need.
    grid.toggle_display(kCmdUserAnswers);
    show_position(p, s, game);
    if (p.found_first_as != 0) {
      const BigHintShown first = big_hint(game, platform);
      if (first.strategy != p.found_first_as || first.marks != p.marks) {
        errors.push_back("line " + std::to_string(p.line) + ": the search finds " + std::to_string(first.strategy) +
                         " -> " + first.marks);
        continue;
      }
    }
    const BigHintShown shown = pictured_hint(p, game, platform);
    if (shown.strategy != p.strategy || shown.marks != p.marks) {
      errors.push_back("line " + std::to_string(p.line) + ": the Big hint there is " + std::to_string(shown.strategy) +
                       " -> " + shown.marks);
      continue;
    }
    // The hint's own words, for the guide's caption.
    std::cout << "== " << p.picture << '\n' << platform.last_hint_dialog().text << "\n\n";
    const std::filesystem::path png = out_dir / (p.picture + ".png");
    if (!draw(grid).save(QString::fromStdString(png.string()))) {
      errors.push_back("cannot write " + png.string());
    }
  }
  for (const std::string& e : errors) std::cerr << "help_pictures: " << e << '\n';
  std::cout << positions.size() << " pictures, " << errors.size() << " problems\n";
  return errors.empty() ? 0 : 1;
}

int find(int per, const std::vector<std::string>& files) {
  ConsolePlatform platform;
  platform.set_quiet(true);
  BusyManager busy(platform);
  Strategy engine(busy);
  std::array<int, 46> found{};
  for (const std::string& name : files) {
    std::ifstream file(name);
    if (!file) {
      std::cerr << "help_pictures: cannot open " << name << '\n';
      return 1;
    }
    for_each_puzzle(file, std::cerr, [&](State& puzzle) {
      const State start = puzzle;
      apply_moves(engine, puzzle, [&](int n, const State& before, const State&) {
        if (n < 1 || n > strategy_count() || found[n] >= per) return true;
        ConsolePlatform shown_on;
        SilentView view;
        Game game(shown_on, view);
        game.board().current() = before;
        const BigHintShown shown = big_hint(game, shown_on);
        if (shown.strategy != n) return true;
        ++found[n];
        std::cout << picture_line("strategy_" + std::to_string(n), n, start, before, shown.marks) << '\n' << std::flush;
        return true;
      });
    });
  }
  return 0;
}

int library_lines(int per, const std::string& path, int n, int from) {
  PracticeLibrary library;
  if (const std::string reason = library.read_file(path); !reason.empty()) {
    std::cerr << "help_pictures: " << reason << '\n';
    return 1;
  }
  if (n < 1 || n > kLastExtendedRow || from < 1 || from > kLastExtendedRow) return 2;
  int printed = 0;
  for (const std::string& text : library.positions(from)) {
    if (printed >= per) break;
    PicturePosition p;
    p.strategy = n;
    State now;
    if (!read_position(text, now).empty()) continue;
    State start;
    for (int i = 0; i < 81; ++i) {
      if (now.cell(i / 9, i % 9).given) start.set_answer(i / 9, i % 9, now.cell(i / 9, i % 9).answer);
    }
    start.mark_givens();
    ConsolePlatform platform;
    SilentView view;
    Game game(platform, view);
    show_position(p, now, game);
    const BigHintShown first = big_hint(game, platform);
    std::string line = picture_line("strategy_" + std::to_string(n), n, start, now, first.marks);
    if (first.strategy != n) {
      ConsolePlatform own_platform;
      Game own(own_platform, view);
      show_position(p, now, own);
      const BigHintShown pictured = big_hint_of(own, own_platform, n);
      if (first.strategy == 0 || pictured.strategy != n || pictured.marks != first.marks) continue;
      const std::string number = std::to_string(n);
      line.insert(line.find(' ' + number + ' ') + 1 + number.size(), '/' + std::to_string(first.strategy));
    }
    std::cout << line << '\n' << std::flush;
    ++printed;
  }
  return printed == 0 ? 1 : 0;
}

int line(const std::string& path) {
  std::ifstream file(path);
  Board board;
  SavedGameTrailer trailer;
  if (!file || !read_saved_game(file, board, trailer)) {
    std::cerr << "help_pictures: cannot read the saved game " << path << '\n';
    return 1;
  }
  const State now = board.current();
  State start;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (now.cell(r, c).given) start.set_answer(r, c, now.cell(r, c).answer);
    }
  }
  start.mark_givens();
  ConsolePlatform platform;
  SilentView view;
  Game game(platform, view);
  game.board().current() = now;
  const BigHintShown shown = big_hint(game, platform);
  std::cout << picture_line("strategy_" + std::to_string(shown.strategy), shown.strategy, start, now, shown.marks)
            << '\n';
  return shown.strategy == 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "render") return render(args[1], args[2]);
  if (args.size() == 2 && args[0] == "line") return line(args[1]);
  if (args.size() >= 3 && args[0] == "library") {
    int per = 1;
    std::size_t first = 1;
    if (args[1] == "--per" && args.size() >= 5) {
      per = std::atoi(args[2].c_str());
      first = 3;
    }
    const std::size_t left = args.size() - first;
    if (per >= 1 && (left == 2 || left == 3)) {
      const int n = std::atoi(args[first + 1].c_str());
      const int from = left == 3 ? std::atoi(args[first + 2].c_str()) : n;
      return library_lines(per, args[first], n, from);
    }
  }
  if (!args.empty() && args[0] == "find") {
    int per = 1;
    std::size_t first = 1;
    if (args.size() > 2 && args[1] == "--per") {
      per = std::atoi(args[2].c_str());
      first = 3;
    }
    if (per >= 1 && first < args.size()) {
      return find(per, std::vector<std::string>(args.begin() + static_cast<long>(first), args.end()));
    }
  }
  std::cerr << "usage: help_pictures render POSITIONS OUTDIR\n"
               "       help_pictures find [--per N] FILE...\n"
               "       help_pictures library [--per N] LIBRARY STRATEGY [FROM]\n"
               "       help_pictures line GAME.spz\n";
  return 2;
}
