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
// VANTRY_WRITE_FINDER_CASES=<file> makes the disabled Generate test write the
// file afresh from the corpus; VANTRY_WRITE_EXTENDED_CASES=<file> does the
// same for the extended finders' corpus cases (GenerateExtended).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "cli/puzzle_input.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/move.h"
#include "strategy/strategy.h"
#include "support/corpus.h"
#include "support/fake_platform.h"

namespace vantry::testing {
namespace {

std::string cell_name(int r, int c) {
  std::string name = "r";
  name += static_cast<char>('1' + r);
  name += 'c';
  name += static_cast<char>('1' + c);
  return name;
}

std::string escape(const std::string& text) {
  std::string out;
  for (char ch : text) out += ch == '\n' ? std::string("\\n") : std::string(1, ch);
  return out;
}

// The Move as the lines of a case, from "row" to "text".
std::string describe(const Move& move) {
  std::ostringstream out;
  out << "row " << move.row() << "\nchanges";
  for (const Move::Action& a : move.actions()) out << ' ' << cell_name(a.r, a.c) << (a.place ? '=' : '-') << a.d;
  out << "\ncells";
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (move.cell_mark(r, c) != 0) out << ' ' << cell_name(r, c) << ':' << move.cell_mark(r, c);
    }
  }
  out << "\ndigits";
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      for (int d = 1; d <= 9; ++d) {
        if (move.digit_mark(r, c, d) != 0) out << ' ' << cell_name(r, c) << '.' << d << ':' << move.digit_mark(r, c, d);
      }
    }
  }
  out << "\nchain";
  for (int i = 0; i < move.chain_length(); ++i) out << ' ' << cell_name(move.chain_row(i), move.chain_column(i));
  out << "\ntemplate " << move.template_id() << "\ndetail " << move.detail() << "\ntext "
      << escape(move.explanation()) << '\n';
  return out.str();
}

std::string grid_lines(const State& s) {
  std::ostringstream out;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      if (c > 0) out << ' ';
      if (cell.answer != 0) {
        out << (cell.given ? '=' : '+') << cell.answer;
        continue;
      }
      int digits[9];
      const int n = cell.list_possibilities(digits);
      if (n == 0) out << '-';
      for (int k = 0; k < n; ++k) out << digits[k];
    }
    out << '\n';
  }
  return out.str();
}

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

// Walks the corpus in apply mode and records, for each table row, the first
// position where a search's move is that row's.
TEST_F(FinderCases, DISABLED_Generate) {
  const char* path = std::getenv("VANTRY_WRITE_FINDER_CASES");
  ASSERT_NE(path, nullptr);
  std::map<int, std::string> first;
  for (const std::string& name : corpus_files()) {
    if (name.starts_with("e_") || name.starts_with("f_")) continue;
    for (const std::string& line : read_lines(corpus_path(name))) {
      State s;
      if (!read_puzzle(line, s).empty()) continue;
      for (int step = 0; step < 200 && !s.is_solved(); ++step) {
        int n = 1;
        Move move;
        for (; n <= strategy_count(); ++n) {
          const StrategyRow& row = strategy_row(n);
          if (row.finder != nullptr && row.finder(busy, n, s, row.argument, move) != 0) break;
        }
        if (n > strategy_count()) break;
        if (!first.contains(move.row())) {
          std::ostringstream text;
          text << "case " << strategy_row(move.row()).name << " (" << name << ")\nfinder " << n << "\ngrid\n"
               << grid_lines(s) << describe(move) << "end\n";
          first[move.row()] = text.str();
        }
        move.apply_to(s);
      }
      if (first.size() == 44) break;
    }
  }
  std::ofstream out(path);
  out << "# Generated from the corpus by FinderCases.DISABLED_Generate; see finder_cases_test.cpp.\n";
  for (const auto& [row, text] : first) out << text;
}

// The hardest corpus puzzles solved with the extended strategies on: for each
// extended row, the first position where the search's move is that row's, and
// for the dynamic chains also the first that needs nested assumptions.
TEST_F(FinderCases, DISABLED_GenerateExtended) {
  const char* path = std::getenv("VANTRY_WRITE_EXTENDED_CASES");
  ASSERT_NE(path, nullptr);
  Strategy engine(busy);
  engine.set_extended(true);
  std::map<std::string, std::string> first;
  for (const std::string& line : read_lines(corpus_path("d_forum_hardest_1106_375.txt"))) {
    State s;
    if (!read_puzzle(line, s).empty()) continue;
    for (int step = 0; step < 400 && !s.is_solved() && first.size() < 4; ++step) {
      Move move;
      const int n = engine.find(s, true, move);
      if (n == kNoMove) break;
      const bool nested = move.explanation().find("in the same way") != std::string::npos;
      const std::string key = std::to_string(n) + (nested ? " nested" : "");
      if (n >= 53 && !first.contains(key)) {
        std::ostringstream text;
        text << "case " << strategy_row(n).name << (nested ? ", nested" : "") << " (d_forum_hardest_1106_375.txt)\nfinder "
             << n << "\ngrid\n" << grid_lines(s) << describe(move) << "end\n";
        first[key] = text.str();
      }
      move.apply_to(s);
    }
  }
  std::ofstream out(path);
  for (const auto& [key, text] : first) out << text;
}

}  // namespace
}  // namespace vantry::testing
