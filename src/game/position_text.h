// A position as one line of text, the form vantry-cli practice prints and
// the practice library stores: the 81 answers row by row ('.' for an empty
// cell); then the answers that are no givens (the player's or the engine's),
// " r<row>c<column>=<digit>" each, which some strategies (avoidable
// rectangles) tell from givens; then the removed possibilities of the empty
// cells, " r<row>c<column><><digit>" each.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

class State;

// The 81 answers of s, '1'-'9' or '.'.
std::string answers_text(const State& s);
// The answers that are no givens and the deleted possibilities of the empty
// cells, each after a space.
std::string removals_text(const State& s);
// Both: the whole position on one line.
inline std::string position_text(const State& s);

// Applies the words after the cells ("r1c1=4 r2c1<>5 r2c3<>7", spaces
// between) to s, whose answers are already set. Returns the reason when a word
// is neither, a removal names an answered cell or an answer one the cells do
// not hold; s is then partly changed.
std::string apply_removals(std::string_view text, State& s);

// True when every space-separated word of text is a removal or an answer.
bool is_removals_text(std::string_view text);

// A whole line (81 cells then removals) into a fresh State, givens marked.
// Returns the reason when the line is no position.
std::string read_position(std::string_view line, State& s);

inline std::string position_text(const State& s) { return answers_text(s) + removals_text(s); }

}  // namespace vantry
