// What a finder found, as a value: the table row that names the move, the
// answers it places and the possibilities it removes (in the order the finder
// found them), the marks and chain of its Big hint, and the pieces of its
// explanation. Finders only fill a Move; the search driver decides whether the
// move is applied, offered as a hint or only named, so a finder never needs to
// know why it was asked.
#pragma once

#include <string>
#include <vector>

namespace vantry {

class State;

class Move {
 public:
  // One change to the grid. Removals and placements are kept in one list
  // because their order matters: a removal after a placement in the same cell
  // finds the digit already gone and leaves no deleted flag behind.
  struct Action {
    bool place;  // true: d becomes the answer; false: d is removed
    int r;
    int c;
    int d;
    bool operator==(const Action&) const = default;
  };

  // The table number of the row that describes the move; 0 = nothing found.
  int row() const { return my_row; }
  bool found() const { return my_row != 0; }

  // The changes, in the order the finder found them.
  void remove(int r, int c, int d) { my_actions.push_back({false, r, c, d}); }
  void place(int r, int c, int d) { my_actions.push_back({true, r, c, d}); }
  const std::vector<Action>& actions() const { return my_actions; }
  // The same changes as other, in any order.
  bool same_changes(const Move& other) const;

  // The Big hint's marks (colour element numbers, 0 = none). Later writes
  // overwrite earlier ones, as they would on the grid.
  void mark_cell(int r, int c, int mark) { my_cellMarks[r][c] = mark; }
  void mark_digit(int r, int c, int d, int mark) { my_digitMarks[r][c][d] = mark; }
  int cell_mark(int r, int c) const { return my_cellMarks[r][c]; }
  int digit_mark(int r, int c, int d) const { return my_digitMarks[r][c][d]; }

  // The chain the Big hint draws through its cells, in order; at most 81.
  void chain_append(int r, int c);
  int chain_length() const { return my_chainLength; }
  int chain_row(int i) const { return my_chainRows[i]; }
  int chain_column(int i) const { return my_chainColumns[i]; }

  // The move is complete: its row, the dialog template that fits the
  // explanation, the explanation and the Medium hint's detail phrase.
  void describe(int row, int template_id, std::string explanation, std::string detail);
  int template_id() const { return my_template; }
  const std::string& explanation() const { return my_explanation; }
  const std::string& detail() const { return my_detail; }

  // Carries the changes out on s through State, in order.
  void apply_to(State& s) const;
  // Writes the marks and the chain into s, for the grid to draw.
  void mark_on(State& s) const;

 private:
  int my_row = 0;
  int my_template = 0;
  std::string my_explanation;
  std::string my_detail;
  std::vector<Action> my_actions;
  int my_cellMarks[9][9] = {};
  int my_digitMarks[9][9][10] = {};
  int my_chainRows[81] = {};
  int my_chainColumns[81] = {};
  int my_chainLength = 0;
};

}  // namespace vantry
