// The grid's drawing through a recording canvas: geometry and hit test, the
// highlight background rule, what each kind of cell draws and in which
// colour, chains, frames and the naked-single trigger, pausing and printing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <tuple>

#include "classlib/inifile.h"
#include "game/commands.h"
#include "support/corpus.h"
#include "view_fixture.h"
#include "support/recording_canvas.h"

namespace vantry::testing {
namespace {

Colorref color(int element) { return ColorMgr::default_color(element); }

// The measures of a 300 by 330 client are those the drawing below is placed
// by (and GridWindowTest reads on the real window); here the hit test.
TEST(GridGeometryTest, HitTestFindsTheSlotAndNothingOutside) {
  const GridGeometry g = GridGeometry::from_client(300, 330);
  // Slots: 1-3 on the top line of a cell, 7-9 at the bottom.
  EXPECT_EQ(hit_test(g, 32, 0).digit, 3);
  const GridHit hit = hit_test(g, 33 + 11, 33 * 4 + 22);
  EXPECT_EQ(hit.row, 4);
  EXPECT_EQ(hit.column, 1);
  EXPECT_EQ(hit.digit, 8);
  EXPECT_FALSE(hit_test(g, -1, 5).valid());
  EXPECT_FALSE(hit_test(g, 5, 297).valid());

  // A window too small for a grid hits nothing and does not divide by zero.
  const GridGeometry tiny = GridGeometry::from_client(20, 300);
  EXPECT_EQ(tiny.unit, 0);
  EXPECT_FALSE(hit_test(tiny, 0, 0).valid());
}

// The colour rule over the cases of tests/data/highlight_colors.txt.
TEST(HighlightColorTest, RuleDecidesAndCountsShade) {
  const std::map<std::string, std::pair<int, int>> kinds = {{"any", {kCmdModePossibilities, kCmdRuleAny}},
                                                            {"2+", {kCmdModePossibilities, kCmdRule2OrMore}},
                                                            {"all", {kCmdModePossibilities, kCmdRuleAll}},
                                                            {"only", {kCmdModePossibilities, kCmdRuleOnly}},
                                                            {"count", {kCmdModeCount, kCmdRuleAny}}};
  const auto cases = read_case_fields("highlight_colors.txt");
  for (const std::vector<std::string>& fields : cases) {
    ASSERT_EQ(fields.size(), 3u) << fields[0];
    SCOPED_TRACE(fields[0] + " | " + fields[1]);
    std::istringstream words(fields[0] + ' ' + fields[1]);
    std::string kind, digits, possible, word;
    words >> kind >> digits >> possible;
    ASSERT_TRUE(kinds.contains(kind));
    Highlight h;
    std::tie(h.mode, h.rule) = kinds.at(kind);
    for (char d : digits) {
      if (d != '-') h.digits[d - '0'] = true;
    }
    h.recount();
    Cell cell;
    for (int d = 1; d <= 9; ++d) cell.possible[d] = possible.find(char('0' + d)) != std::string::npos;
    while (words >> word) {
      if (word == "answer") words >> cell.answer;
      else words >> cell.color;
    }
    EXPECT_EQ(h.color_for(cell), std::stoi(fields[2]));
  }
  EXPECT_GE(cases.size(), 20u);
}

class Painting : public ViewTest {
 protected:
  RecordingCanvas canvas;

  void SetUp() override {
    grid.resize(300, 330);
    paste_puzzle();
  }
  void paint(bool printing = false, Rect update = {0, 0, 300, 330}) {
    canvas = RecordingCanvas{};
    grid.paint_grid(canvas, !printing, update, printing);
  }
  std::vector<DrawnText> texts(int r, int c) const { return canvas.texts_in_cell(r, c, 33); }
  static const DrawnText* find_text(const std::vector<DrawnText>& list, const std::string& text) {
    for (const DrawnText& t : list) {
      if (t.text == text) return &t;
    }
    return nullptr;
  }
  int lines_of(Colorref c, int width) const {
    return static_cast<int>(std::count_if(canvas.lines.begin(), canvas.lines.end(),
                                          [&](const DrawnLine& l) { return l.color == c && l.width == width; }));
  }
};

TEST_F(Painting, AnswersPossibilitiesAndLines) {
  paint();
  EXPECT_EQ(canvas.origin_x, 1);
  ASSERT_FALSE(canvas.fills.empty());
  EXPECT_EQ(canvas.fills[0].color, color(kColorBackground));

  // A given answer: centred in its cell, in the answer font sized by "8".
  const auto five = texts(0, 0);
  ASSERT_EQ(five.size(), 1u);
  EXPECT_EQ(five[0].text, "5");
  EXPECT_EQ(five[0].x, 16);
  EXPECT_EQ(five[0].top, 2);
  EXPECT_EQ(five[0].font_height, 30 * 100 / 70);
  EXPECT_EQ(five[0].color, color(kColorAnswerGiven));
  EXPECT_TRUE(five[0].opaque);

  // Cell (0,2) can hold 1, 2 and 4: each in its slot, in the possibility font.
  const auto possible = texts(0, 2);
  ASSERT_EQ(possible.size(), 3u);
  const DrawnText* four = find_text(possible, "4");
  ASSERT_NE(four, nullptr);
  EXPECT_EQ(four->x, 66 + 5);
  EXPECT_EQ(four->top, 11 + 2);
  EXPECT_EQ(four->font_height, 8 * 100 / 70);
  EXPECT_EQ(four->color, color(kColorPossible));

  // Ten lines each way, box borders 3 wide, drawn last.
  EXPECT_EQ(lines_of(color(kColorLines), 3), 8);
  EXPECT_EQ(lines_of(color(kColorLines), 1), 12);
  EXPECT_EQ(canvas.lines.back().width, 3);

  // Counts for the pane: every given 5 is counted.
  int fives = 0;
  for (int i = 0; i < 81; ++i) fives += kPuzzle[i] == '5';
  EXPECT_EQ(grid.solved_counts()[5], fives);
  EXPECT_EQ(platform.pane_updates.back(), PaneUpdate::Highlight);
  EXPECT_TRUE(grid.digit_available(5));
}

TEST_F(Painting, PlayerAnswersHiddenAnswersAndDeletedPossibilities) {
  game.left_click(0, 2, 4);
  game.right_click(0, 3, 2, false, false);
  grid.run_command(kCmdUserAnswers);
  paint();
  EXPECT_EQ(texts(0, 2)[0].color, color(kColorAnswerUser));
  EXPECT_EQ(texts(0, 0)[0].color, color(kColorAnswerGiven));
  EXPECT_EQ(find_text(texts(0, 3), "2"), nullptr);  // deleted, and not shown

  grid.run_command(kCmdDeletedPossibilities);
  paint();
  const auto in03 = texts(0, 3);
  const DrawnText* two = find_text(in03, "2");
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(two->color, color(kColorPossibleUserDeleted));
  // Its X: two 1-pixel strokes of half a unit across the digit's slot.
  EXPECT_EQ(lines_of(color(kColorPossibleUserDeleted), 1), 2);
  const DrawnLine& stroke = canvas.lines[0];
  EXPECT_EQ(stroke.x1, two->x - 2);
  EXPECT_EQ(stroke.y1, two->top - 2 + 2);
  EXPECT_EQ(stroke.x2, two->x + 2);
  EXPECT_EQ(stroke.y2, two->top - 2 + 6);

  grid.run_command(kCmdHideAnswers);
  paint();
  EXPECT_TRUE(texts(0, 0).empty());
  EXPECT_EQ(grid.solved_counts()[4], 1 + static_cast<int>(std::count(kPuzzle, kPuzzle + 81, '4')));
}

TEST_F(Painting, HighlightBackgroundsColouringAndHintMarks) {
  grid.highlight_digit(4, false);
  game.board().current().cell(0, 3).color = 23;
  game.board().current().cell(0, 2).digitMark[1] = kColorHintXOut;
  paint();
  // (0,2) holds 1, 2, 4: a plain highlight fill, 4 in the highlight digit colour.
  const Rect cell02{66, 0, 99, 33};
  const auto filled = [&](const Rect& r) -> const FilledRect* {
    for (const FilledRect& f : canvas.fills) {
      if (f.rect.left == r.left && f.rect.top == r.top && f.rect.right == r.right) return &f;
    }
    return nullptr;
  };
  ASSERT_NE(filled(cell02), nullptr);
  EXPECT_EQ(filled(cell02)->color, color(kColorHighlightBgNormal));
  const auto in02 = texts(0, 2);
  EXPECT_EQ(find_text(in02, "4")->color, color(kColorHighlightDigits));
  EXPECT_EQ(find_text(in02, "4")->background, color(kColorHighlightBgNormal));
  EXPECT_EQ(find_text(in02, "2")->color, color(kColorPossible));
  // A hint's crossed-out 1, with its X in the same colour.
  EXPECT_EQ(find_text(in02, "1")->color, color(kColorHintXOut));
  EXPECT_EQ(lines_of(color(kColorHintXOut), 1), 2);

  // The coloured cell keeps its colouring and still shows 4 highlighted.
  ASSERT_NE(filled({99, 0, 132, 33}), nullptr);
  EXPECT_EQ(filled({99, 0, 132, 33})->color, color(23));
  const auto in03 = texts(0, 3);
  if (const DrawnText* t = find_text(in03, "4")) {
    EXPECT_EQ(t->color, color(kColorHighlightDigits));
  }
  // Cells without a highlight go back to the plain text background.
  EXPECT_EQ(texts(0, 0)[0].background, color(kColorBackground));
}

TEST_F(Painting, EnteringRecoloursDigitsAndLinesOnly) {
  platform.answers.push_back(MessageAnswer::No);  // do not save the pasted game
  game.enter_puzzle();
  ASSERT_TRUE(game.entering());
  game.entry_key(5);  // (0,0) := 5; the cursor frame moves to (0,1)
  grid.run_command(kCmdSingles);
  paint();
  const Colorref enter = color(kColorDigitsEnter);
  for (const DrawnText& t : canvas.texts) EXPECT_EQ(t.color, enter) << t.text;
  EXPECT_EQ(lines_of(enter, 3), 8);
  // The cursor frame keeps the chain colour.
  EXPECT_EQ(lines_of(color(kColorHintChains), 3), 4);
  EXPECT_EQ(lines_of(color(kColorNakedSingle), 3), 0);
}

TEST_F(Painting, ChainSegmentsAndTheirEndFrames) {
  State& s = game.board().current();
  s.append(0, 2, true);
  s.append(0, 3, true);
  paint();
  EXPECT_EQ(s.cell(0, 2).cellMark, kColorHintRemove);
  EXPECT_EQ(s.cell(0, 3).cellMark, kColorHintRemove);
  EXPECT_EQ(lines_of(color(kColorHintRemove), 3), 8);
  // One segment along the row, moved up by k - 4 and starting k inside each cell.
  ASSERT_EQ(lines_of(color(kColorHintChains), 2), 1);
  const auto seg =
      *std::find_if(canvas.lines.begin(), canvas.lines.end(), [](const DrawnLine& l) { return l.width == 2; });
  EXPECT_EQ(seg.x1, 82 + 8);
  EXPECT_EQ(seg.x2, 115 - 8);
  EXPECT_EQ(seg.y1, 16 - 4);
  EXPECT_EQ(seg.y2, 16 - 4);

  // Back along a column: the vertical segment moves left when going up.
  s.append(1, 3, true);
  s.append(0, 5, true);
  paint();
  EXPECT_EQ(s.cell(0, 3).cellMark, kColorHintChains);
  EXPECT_EQ(lines_of(color(kColorHintChains), 2), 3);
  const DrawnLine& down = canvas.lines[std::find_if(canvas.lines.begin(), canvas.lines.end(),
                                                    [](const DrawnLine& l) { return l.width == 2 && l.x1 == l.x2; }) -
                                       canvas.lines.begin()];
  EXPECT_EQ(down.x1, 115 + 4);  // going down: moved right
}

TEST_F(Painting, NakedSingleIsScheduledOnlyOnTheNewestState) {
  grid.run_command(kCmdSolveSingles);  // turns Singles on too
  ASSERT_TRUE(grid.switches().singles);
  // The first single in row-major order is the one that will be placed.
  PendingSingle first;
  int singles = 0;
  for (int i = 0; i < 81; ++i) {
    const Cell& cell = current().cell(i / 9, i % 9);
    int digits[9];
    if (cell.answer == 0 && cell.list_possibilities(digits) == 1) {
      if (singles++ == 0) first = {i / 9, i % 9, digits[0]};
    }
  }
  ASSERT_GE(singles, 2);
  paint();
  EXPECT_EQ(lines_of(color(kColorNakedSingle), 3), 4 * singles);
  EXPECT_EQ(grid.pending_single().row, first.row);
  EXPECT_EQ(grid.pending_single().column, first.column);
  ASSERT_TRUE(platform.timer_running(kSinglesTimer));
  EXPECT_EQ(platform.timers[kSinglesTimer].interval_ms, 250);
  EXPECT_EQ(game.busy().current_owner(), kBusySolvingSingles);
  EXPECT_TRUE(game.auto_solving());

  // A repaint while the timer runs does not start a second phase.
  paint();
  ASSERT_TRUE(platform.fire_timer(kSinglesTimer));
  EXPECT_EQ(current().cell(first.row, first.column).answer, first.digit);
  EXPECT_FALSE(game.busy().is_busy());
  EXPECT_FALSE(game.auto_solving());
  EXPECT_EQ(game.statistics().moves_made, 1);

  // After an undo the Board is not at its newest State: nothing is scheduled.
  game.undo();
  paint();
  EXPECT_FALSE(platform.timer_running(kSinglesTimer));
  EXPECT_FALSE(game.auto_solving());
}

TEST_F(Painting, PausedGameShowsOnlyTheResumeText) {
  game.pause_game();
  paint();
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].text, "Click \"Resume Game\" to continue ...");
  EXPECT_EQ(canvas.texts[0].x, 132 + 16);
  EXPECT_EQ(canvas.texts[0].top, 132 + 16 - 5);
  EXPECT_TRUE(canvas.lines.empty());
  EXPECT_EQ(canvas.fills.size(), 1u);
}

TEST_F(Painting, PrintingInBlackAndWhiteWithHeaderAndShrinkingFooter) {
  paint();  // the window's drawing leaves the possibility font height for the page
  const size_t pane_updates = platform.pane_updates.size();
  grid.settings().write_integer(kPrintInColor, 0);
  game.board().current().cell(0, 2).digitMark[1] = kColorHintRemove;
  game.board().current().cell(0, 3).color = 23;
  paint(true, {0, -20, 120, 330});

  // Only the grid's area between header and footer is cleared.
  ASSERT_FALSE(canvas.fills.empty());
  EXPECT_EQ(canvas.fills[0].rect.top, -20 + 11 + 3 - 2);
  EXPECT_EQ(canvas.fills[0].rect.bottom, 330 - 11 - 3 - 2);
  EXPECT_EQ(canvas.fills[0].color, kWhite);
  // The black-and-white palette: lines black, hint marks grey, colourings light grey.
  EXPECT_EQ(lines_of(kBlack, 3), 8);
  EXPECT_EQ(find_text(texts(0, 2), "1")->color, kGrey);
  EXPECT_EQ(canvas.fills[1].color, kLightGrey);
  EXPECT_TRUE(grid.colors().color_mode());  // back to colour afterwards

  // Header above the grid, transparent; footer below, shrunk to fit 120 - 20.
  const DrawnText& header = canvas.texts[canvas.texts.size() - 2];
  EXPECT_EQ(header.text.rfind("Difficulty: ", 0), 0u);
  EXPECT_EQ(header.top, -11 - 3);
  EXPECT_FALSE(header.opaque);
  const DrawnText& footer = canvas.texts.back();
  EXPECT_EQ(footer.top, 297 + 3);
  EXPECT_LT(footer.font_height, 11);
  EXPECT_LE(static_cast<int>(footer.text.size()) * footer.font_height / 2, 100);
  EXPECT_GT(static_cast<int>(footer.text.size()) * (footer.font_height * 10 / 9 + 1) / 2, 100);
  // A printed page tells the pane nothing.
  EXPECT_EQ(platform.pane_updates.size(), pane_updates);
}

}  // namespace
}  // namespace vantry::testing
