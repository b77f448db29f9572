// Puzzles as vantry-cli reads them, from files of any size:
// - one a line, 81 characters: '1'-'9' a given, and '.', '0', '-', '_' or '*'
//   an empty cell; anything after the 81st character that follows a space or
//   a tab is ignored (so "create" output reads back), unless it starts with a
//   removed possibility: a position as "practice" prints it, the cells then
//   " r<row>c<column><><digit>" for each removal (all of them must be such);
// - or a grid of nine lines of nine such characters, spaces and '|' allowed
//   between them, and rule lines of '-', '+' and '=' between the bands.
// Blank lines and lines starting with '#' are skipped. Any other line is a bad
// line: it is reported with its number and the reading goes on. A line is
// never kept beyond kMaxLine characters, so a file without line ends (or
// /dev/zero) cannot eat memory.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

inline constexpr std::size_t kMaxLine = 64 * 1024;

// One puzzle, or one bad line, in the order of the input.
struct PuzzleRecord {
  long line = 0;         // the line it starts on, counted from 1
  char cells[81] = {};   // '1'-'9' or '.', row-major; meaningful when error is empty
  std::string removals;  // the removed possibilities after the cells, or empty
  std::string error;     // why the line is no puzzle
};

class PuzzleReader {
 public:
  explicit PuzzleReader(std::istream& in) : my_in(in) {}

  // Appends up to max records to batch; false when the input has ended and
  // nothing was appended.
  bool read(std::vector<PuzzleRecord>& batch, std::size_t max);

  // How many bad lines were reported so far.
  long bad_lines() const { return my_badLines; }

 private:
  // The next line without its end (and without a CR before it); false at the
  // end of the input. A line over kMaxLine is cut there and too_long is set.
  bool next_line(std::string_view& line, bool& too_long);
  bool fill();
  void add_error(std::vector<PuzzleRecord>& batch, long line, std::string reason);
  void finish_grid(std::vector<PuzzleRecord>& batch);

  std::istream& my_in;
  std::vector<char> my_buffer = std::vector<char>(kMaxLine * 4);
  std::size_t my_begin = 0, my_end = 0;
  bool my_eof = false;
  long my_lineNumber = 0;
  long my_badLines = 0;
  // A nine-line grid being read: its first line and the rows so far.
  PuzzleRecord my_grid;
  int my_gridRows = 0;
};

// A single 81-character puzzle line in cells; returns the reason when the
// line is no puzzle, else an empty string. Exposed for the tests.
std::string parse_puzzle_line(std::string_view line, char* cells);

}  // namespace vantry
