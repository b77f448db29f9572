#include "cli/puzzle_reader.h"

#include <cstring>

#include "game/position_text.h"
#include "model/state.h"

namespace vantry {

namespace {

// The cell characters: a digit is a given, the others an empty cell.
char cell_of(char ch) {
  if (ch >= '1' && ch <= '9') return ch;
  if (ch == '.' || ch == '0' || ch == '-' || ch == '_' || ch == '*') return '.';
  return 0;
}

bool is_blank(char ch) { return ch == ' ' || ch == '\t'; }

bool blank_line(std::string_view line) {
  for (char ch : line) {
    if (!is_blank(ch)) return false;
  }
  return true;
}

// A row of a nine-line grid: nine cell characters, with spaces, tabs and '|'
// allowed around them.
bool grid_row(std::string_view line, char* row) {
  int n = 0;
  for (char ch : line) {
    if (is_blank(ch) || ch == '|') continue;
    const char cell = cell_of(ch);
    if (cell == 0 || n == 9) return false;
    row[n++] = cell;
  }
  return n == 9;
}

// A rule between the bands of a grid, such as "------+-------+------".
bool rule_line(std::string_view line) {
  for (char ch : line) {
    if (ch != '-' && ch != '+' && ch != '=' && ch != '|' && !is_blank(ch)) return false;
  }
  return true;
}

// The words after a position's cells: removals, kept in removals, when the
// first is one; then every one must be. Anything else is a comment.
std::string take_removals(std::string_view tail, const char* cells, std::string& removals) {
  const std::size_t first = tail.find_first_not_of(" \t");
  if (first == std::string_view::npos || tail[first] != 'r') return {};
  const std::size_t end = tail.find_first_of(" \t", first);
  if (!is_removals_text(tail.substr(first, end == std::string_view::npos ? tail.npos : end - first))) return {};
  if (!is_removals_text(tail)) {
    return "the words after the cells must be removals r<row>c<column><><digit> or answers r<row>c<column>=<digit>";
  }
  // A removal from an answered cell is a mistake in the line, not a comment.
  State s;
  for (int i = 0; i < 81; ++i) {
    if (cells[i] != '.') s.set_answer(i / 9, i % 9, cells[i] - '0');
  }
  if (std::string reason = apply_removals(tail, s); !reason.empty()) return reason;
  removals.assign(tail);
  return {};
}

}  // namespace

std::string parse_puzzle_line(std::string_view line, char* cells) {
  if (line.size() != 81 && !(line.size() > 81 && is_blank(line[81]))) {
    return "expected 81 characters, found " + std::to_string(line.size());
  }
  for (int i = 0; i < 81; ++i) {
    const char cell = cell_of(line[i]);
    if (cell == 0) {
      return "unexpected character '" + std::string(1, line[i]) + "' at column " + std::to_string(i + 1);
    }
    cells[i] = cell;
  }
  return {};
}

bool PuzzleReader::fill() {
  if (my_eof) return false;
  if (my_begin > 0) {
    std::memmove(my_buffer.data(), my_buffer.data() + my_begin, my_end - my_begin);
    my_end -= my_begin;
    my_begin = 0;
  }
  const std::streamsize got =
      my_in.rdbuf()->sgetn(my_buffer.data() + my_end, static_cast<std::streamsize>(my_buffer.size() - my_end));
  if (got <= 0) {
    my_eof = true;
    return false;
  }
  my_end += static_cast<std::size_t>(got);
  return true;
}

bool PuzzleReader::next_line(std::string_view& line, bool& too_long) {
  too_long = false;
  std::size_t scanned = my_begin;
  for (;;) {
    const char* start = my_buffer.data() + my_begin;
    const void* newline = std::memchr(my_buffer.data() + scanned, '\n', my_end - scanned);
    if (newline != nullptr) {
      const std::size_t length = static_cast<const char*>(newline) - start;
      if (length > kMaxLine) {
        too_long = true;
      } else {
        line = std::string_view(start, length);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      }
      my_begin += length + 1;
      ++my_lineNumber;
      return true;
    }
    if (my_end - my_begin > kMaxLine) {
      // Too long to keep: drop what was read and look on for the line's end.
      too_long = true;
      my_begin = my_end = 0;
      for (;;) {
        if (!fill()) {
          ++my_lineNumber;
          return true;
        }
        const void* end = std::memchr(my_buffer.data(), '\n', my_end);
        if (end != nullptr) {
          my_begin = static_cast<const char*>(end) - my_buffer.data() + 1;
          ++my_lineNumber;
          return true;
        }
        my_end = 0;
      }
    }
    scanned = my_end;
    const std::size_t offset = my_begin;
    if (!fill()) {
      if (my_end == my_begin) return false;
      // The last line has no line end.
      line = std::string_view(my_buffer.data() + my_begin, my_end - my_begin);
      if (line.size() > kMaxLine) too_long = true;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      my_begin = my_end;
      ++my_lineNumber;
      return true;
    }
    scanned -= offset;  // fill moved the pending text to the buffer's start
  }
}

void PuzzleReader::add_error(std::vector<PuzzleRecord>& batch, long line, std::string reason) {
  PuzzleRecord& r = batch.emplace_back();
  r.line = line;
  r.error = std::move(reason);
  ++my_badLines;
}

void PuzzleReader::finish_grid(std::vector<PuzzleRecord>& batch) {
  if (my_gridRows == 0) return;
  add_error(batch, my_grid.line, "a grid needs 9 rows of 9 cells, found " + std::to_string(my_gridRows) + " rows");
  my_gridRows = 0;
}

bool PuzzleReader::read(std::vector<PuzzleRecord>& batch, std::size_t max) {
  const std::size_t first = batch.size();
  std::string_view line;
  bool too_long = false;
  while (batch.size() - first < max) {
    if (!next_line(line, too_long)) {
      finish_grid(batch);
      break;
    }
    if (too_long) {
      finish_grid(batch);
      add_error(batch, my_lineNumber, "line longer than " + std::to_string(kMaxLine) + " characters");
      continue;
    }
    if (!line.empty() && line.front() == '#') continue;
    char row[9];
    if (my_gridRows > 0) {
      if (grid_row(line, row)) {
        std::memcpy(my_grid.cells + 9 * my_gridRows, row, 9);
        if (++my_gridRows == 9) {
          batch.push_back(my_grid);
          my_gridRows = 0;
        }
        continue;
      }
      if (rule_line(line) && !blank_line(line)) continue;
      finish_grid(batch);
    }
    if (blank_line(line)) continue;
    PuzzleRecord record;
    record.line = my_lineNumber;
    std::string reason = parse_puzzle_line(line, record.cells);
    if (reason.empty() && line.size() > 81) reason = take_removals(line.substr(81), record.cells, record.removals);
    if (reason.empty()) {
      batch.push_back(record);
    } else if (grid_row(line, row)) {
      my_grid.line = my_lineNumber;
      std::memcpy(my_grid.cells, row, 9);
      my_gridRows = 1;
    } else if (!rule_line(line)) {
      add_error(batch, my_lineNumber, std::move(reason));
    }
  }
  return batch.size() > first;
}

}  // namespace vantry
