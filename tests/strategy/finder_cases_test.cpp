// The finders as data: tests/data/finder_cases.txt holds, for every finder row
// of the table, a position taken from the corpus on the way to a solution and
// the Move the finder describes there, in text form. One runner reads the file
// and compares every case, so a change in what any finder finds, marks or
// says shows up as the case that changed.
//
// A case:
//   case <label>
//   finder <table number of the row whose finder runs>
//   grid <9 lines of 9 cells: =d given, +d placed by the player, or the
//        possibilities as digits ('-' for none)>
//   row <table number of the move>
//   changes <r1c2-5 removes 5, r3c4=7 places 7, in order>
//   cells <r1c1:8 ... cell marks>
//   digits <r1c2.5:8 ... possibility marks>
//   chain <r1c1 r2c2 ...>
//   template <dialog template>
//   detail <the Medium hint's phrase>
//   text <the explanation, "\n" written as \n>
//   end
//
// A case whose lines after the grid are only "none" is one where the finder
// must find nothing. tests/data/extended_cases.txt holds the same for the
// finders beyond the standard table, with hand-made positions among them.
//
// tools/finder_cases writes the corpus cases afresh, in the text form both
// share (case_text.h).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "case_text.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/move.h"
#include "strategy/strategy.h"
#include "support/fake_platform.h"

namespace vantry::testing {
namespace {

using finder_cases::describe;

// The grid lines back into a State; false on a malformed cell.
bool read_grid(std::istream& in, State& s) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      std::string token;
      if (!(in >> token) || token.empty()) return false;
      Cell& cell = s.cell(r, c);
      if (token[0] == '=' || token[0] == '+') {
        if (token.size() != 2 || token[1] < '1' || token[1] > '9') return false;
        cell.answer = token[1] - '0';
        cell.given = token[0] == '=';
        for (int d = 1; d <= 9; ++d) cell.possible[d] = false;
        continue;
      }
      for (int d = 1; d <= 9; ++d) cell.possible[d] = false;
      if (token == "-") continue;
      for (char ch : token) {
        if (ch < '1' || ch > '9') return false;
        cell.possible[ch - '0'] = true;
      }
    }
  }
  return true;
}

struct Case {
  std::string label;
  int finder_row = 0;
  State position;
  std::string expected;
};

std::vector<Case> read_cases(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << path;
  std::vector<Case> cases;
  std::string word;
  while (in >> word) {
    if (word.starts_with('#')) {
      std::getline(in, word);
      continue;
    }
    EXPECT_EQ(word, "case");
    Case k;
    std::getline(in >> std::ws, k.label);
    in >> word >> k.finder_row;
    EXPECT_EQ(word, "finder") << k.label;
    in >> word;
    EXPECT_EQ(word, "grid") << k.label;
    EXPECT_TRUE(read_grid(in, k.position)) << k.label;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line) && line != "end") k.expected += line + '\n';
    cases.push_back(std::move(k));
  }
  return cases;
}

class FinderCases : public ::testing::Test {
 protected:
  FakePlatform platform;
  BusyManager busy{platform};
};

void check_cases(BusyManager& busy, const std::string& file, std::size_t at_least) {
  const std::vector<Case> cases = read_cases(std::string(VANTRY_TEST_DATA_DIR) + "/" + file);
  EXPECT_GE(cases.size(), at_least);
  for (const Case& k : cases) {
    const StrategyRow& row = strategy_row(k.finder_row);
    ASSERT_NE(row.finder, nullptr) << k.label;
    Move move;
    const int found = row.finder(busy, k.finder_row, k.position, row.argument, move);
    EXPECT_EQ(found, move.row()) << k.label;
    if (k.expected == "none\n") {
      EXPECT_FALSE(move.found()) << k.label << '\n' << describe(move);
      continue;
    }
    EXPECT_EQ(describe(move), k.expected) << k.label;
  }
}

// finder_cases.txt: each finder on a corpus position; finder_edges.txt: hand-made
// positions at the finders' edges (a fish with nothing to remove, a rectangle
// over four boxes, the order of lines and digits tried, the wording of long
// lists), where "row 0" and an empty Move say that nothing is found.
TEST_F(FinderCases, EveryFinderDescribesTheRecordedMove) { check_cases(busy, "finder_cases.txt", 20); }

TEST_F(FinderCases, FindersAtTheirEdges) { check_cases(busy, "finder_edges.txt", 50); }

TEST_F(FinderCases, ExtendedFindersDescribeTheRecordedMoveOrNothing) { check_cases(busy, "extended_cases.txt", 30); }

}  // namespace
}  // namespace vantry::testing
