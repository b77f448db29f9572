// Puzzles as vantry-cli's commands see them: a fresh State with the givens of
// a puzzle read by PuzzleReader (see puzzle_reader.h for the forms it reads).
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vantry {

class State;

struct PuzzleRecord;

// The 81 cells, '1'-'9' or '.', into a fresh State, givens marked.
void set_puzzle(const char* cells, State& s);
// A record's cells and then its removed possibilities.
void set_puzzle(const PuzzleRecord& record, State& s);

// A puzzle line into a fresh State, givens marked. Returns the reason when the
// line is no puzzle, else an empty string.
std::string read_puzzle(std::string_view line, State& s);

// Calls on_puzzle for every puzzle of in, one after the other, with its
// State; writes "error: line N: <reason>" to out for every bad line. Returns 1
// when a line was bad, else 0.
int for_each_puzzle(std::istream& in, std::ostream& out, const std::function<void(State&)>& on_puzzle);

}  // namespace vantry
