#include "strategy/extended/forcing_story.h"

#include "model/cell.h"
#include "strategy/move.h"
#include "strategy/text_builder.h"

namespace vantry {

namespace {

// A long branch is told by its first and last steps; the ones between are counted.
constexpr int kToldFirst = 3;
constexpr int kToldLast = 2;

Text& tell_cell(Text& text, int cell) { return text.add("cell ").cell_name(cell / 9, cell % 9); }

}  // namespace

std::vector<int> placements_leading_to(const NetLog& log, const std::vector<int>& roots, int assumed_cell) {
  std::vector<int> out;
  for (const int e : log.ancestors(roots)) {
    const NetEvent& ev = log.events[e];
    if (ev.place && ev.cell != assumed_cell) out.push_back(e);
  }
  return out;
}

void tell_placements(Text& text, const NetLog& log, const std::vector<int>& placements) {
  const int n = static_cast<int>(placements.size());
  const bool shortened = n > kToldFirst + kToldLast + 1;
  for (int i = 0; i < n; ++i) {
    if (shortened && i >= kToldFirst && i < n - kToldLast) {
      if (i == kToldFirst) text.add(", then ").number(n - kToldFirst - kToldLast).add(" more singles, ");
      continue;
    }
    if (i > 0 && !(shortened && i == n - kToldLast)) text.add(", ");
    const NetEvent& ev = log.events[placements[i]];
    tell_cell(text, ev.cell).add(" is ").number(ev.digit);
  }
}

void draw_branch(Move& move, const NetLog& log, int start_cell, const std::vector<int>& placements, int end_cell,
                 bool reversed) {
  std::vector<int> cells{start_cell};
  for (const int e : placements) cells.push_back(log.events[e].cell);
  if (end_cell >= 0) cells.push_back(end_cell);
  if (reversed) cells.assign(cells.rbegin(), cells.rend());
  for (const int cell : cells) {
    const int length = move.chain_length();
    const bool repeated = length > 0 && move.chain_row(length - 1) * 9 + move.chain_column(length - 1) == cell;
    if (!repeated && length < 81) move.chain_append(cell / 9, cell % 9);
  }
  for (const int e : placements) {
    const NetEvent& ev = log.events[e];
    if (move.digit_mark(ev.cell / 9, ev.cell % 9, ev.digit) == 0) {
      move.mark_digit(ev.cell / 9, ev.cell % 9, ev.digit, kMarkShow);
    }
  }
}

void tell_contradiction(Text& text, const NetLog& log) {
  if (log.bad_cell >= 0) {
    tell_cell(text, log.bad_cell).add(" has no possible value");
    return;
  }
  static constexpr const char* kWords[] = {"row", "column", "box"};
  text.add("the value ").number(log.bad_digit).add(" has no place left in ");
  text.unit(kWords[log.bad_unit / 9], log.bad_unit % 9);
}

}  // namespace vantry
