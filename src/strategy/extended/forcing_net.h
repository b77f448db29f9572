// The propagation behind the forcing chains: assume one digit in one cell (or
// its absence) and follow what it forces on a compact copy of the board, until
// nothing more follows or some cell or unit is left with no way out. Every
// placement and removal it makes is logged with the earlier ones it followed
// from, so a finder can name the few steps that lead to a conclusion.
#pragma once

#include <cstdint>
#include <vector>

namespace vantry {

class State;

// What a propagation may use. Singles: naked and hidden singles. Dynamic: also
// the box/line and line/box eliminations, and (with a depth) assumptions
// nested inside the first one whose contradictions remove possibilities.
inline constexpr int kRulesSingles = 0;
inline constexpr int kRulesDynamic = 1;

// Units by number: rows 0-8, columns 9-17, boxes 18-26. Cells 0-80 row-major.
inline constexpr int kUnitCount = 27;
int net_unit_cell(int unit, int position);
int net_cell_unit(int cell, int kind);  // kind 0 row, 1 column, 2 box

// The board a propagation works on: one possibility mask a cell (bit d for
// digit d; a placed cell keeps its digit alone) and whether it is placed.
struct NetBoard {
  std::uint16_t mask[81];
  bool placed[81];

  static NetBoard from(const State& s);
  bool possible(int cell, int d) const { return (mask[cell] >> d & 1) != 0; }
};

// One logged step: a placement or a removal, and the steps it followed from
// (indexes into the log). A removal a nested assumption found follows from
// every placement before it.
// What made a step: a placement's own consequence or a single, a box/line
// or line/box elimination, or a nested assumption that failed.
enum class NetRule : unsigned char { Single, BoxLine, Nested };

struct NetEvent {
  int cell;
  int digit;
  bool place;
  NetRule rule;
  int first_parent;
  int parents;
};

struct NetLog {
  std::vector<NetEvent> events;
  std::vector<int> parent_pool;
  int removed_by[81][10];  // the removal's event; -1 = not removed here
  int placed_by[81];       // the placement's event; -1 = not placed here
  // The contradiction, when one was reached: a cell with no possibility left
  // (bad_cell) or a unit with no place left for bad_digit (bad_unit), and the
  // steps that emptied it.
  int bad_cell = -1;
  int bad_unit = -1;
  int bad_digit = 0;
  std::vector<int> bad_parents;

  NetLog();
  // The steps the given ones follow from, themselves included, in log order.
  std::vector<int> ancestors(const std::vector<int>& roots) const;
};

// One propagation. depth 1 (with the dynamic rules) lets every possibility
// left after the first fixpoint be assumed in turn, without a log; one that
// leads to a contradiction is removed and the propagation goes on.
class Net {
 public:
  Net(const NetBoard& start, int rules, int depth, NetLog* log);

  // Assumes that cell is d (place) or is not d; false on a contradiction.
  bool assume(int cell, int d, bool place);
  const NetBoard& board() const { return my_board; }

 private:
  struct Pending {
    int cell, d;
    int first_parent, parents;
  };
  int add_event(int cell, int d, bool place, const int* parents, int n_parents);
  bool place(int cell, int d, const int* parents, int n_parents);
  bool remove(int cell, int d, const int* parents, int n_parents);
  bool check_unit(int unit, int d);
  bool fail_cell(int cell);
  bool fail_unit(int unit, int d);
  bool drain();
  bool locked_candidates(bool& changed);
  bool nested(bool& changed);
  bool run();

  NetBoard my_board;
  int my_rules;
  int my_depth;
  NetLog* my_log;
  std::vector<Pending> my_queue;
  std::vector<int> my_scratch;
  bool my_failed = false;
  NetRule my_rule = NetRule::Single;  // the rule of the removals being made
};

}  // namespace vantry
