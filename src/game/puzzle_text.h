// A puzzle as plain text: the import of a text file and the paste from the
// clipboard read 81 cells row by row, the export and the copy write nine
// lines of nine digits with 0 for an empty cell.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace vantry {

class State;

// Import: the next 81 characters that are not white space, line breaks or
// not; '1'-'9' place an answer with its solution, anything else ('0', '.', a
// letter) leaves the cell empty. False when the text ends first.
bool parse_import(std::istream& in, State& s);

// Paste: '1'-'9' place an answer, '0' and '.' leave a cell empty, and every
// other character is skipped without using up a cell. False when the text
// ends before the 81st cell.
bool parse_paste(std::string_view text, State& s);

// Nine lines of the answers, each ended by line_end: the export writes "\n",
// the clipboard copy "\r\n" (99 characters in all).
std::string grid_text(const State& s, std::string_view line_end);

}  // namespace vantry
