#include "game/position_text.h"

#include "model/state.h"

namespace vantry {

namespace {

// One word after the cells: a removal r<1-9>c<1-9><><1-9>, or an answer that
// is no given, r<1-9>c<1-9>=<1-9> (answer set). False when word is neither.
bool parse_word(std::string_view word, int& r, int& c, int& d, bool& answer) {
  const auto digit = [](char ch) { return ch >= '1' && ch <= '9' ? ch - '0' : 0; };
  answer = word.size() == 6 && word[4] == '=';
  if (!answer && (word.size() != 7 || word.substr(4, 2) != "<>")) return false;
  if (word[0] != 'r' || word[2] != 'c') return false;
  r = digit(word[1]);
  c = digit(word[3]);
  d = digit(word.back());
  return r != 0 && c != 0 && d != 0;
}

// Calls on_word for each space-separated word; stops when it returns false.
template <typename OnWord>
bool for_each_word(std::string_view text, OnWord on_word) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t') {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
    if (!on_word(text.substr(i, end - i))) return false;
    i = end;
  }
  return true;
}

}  // namespace

std::string answers_text(const State& s) {
  std::string text(81, '.');
  for (int i = 0; i < 81; ++i) {
    const int d = s.cell(i / 9, i % 9).answer;
    if (d != 0) text[i] = static_cast<char>('0' + d);
  }
  return text;
}

std::string removals_text(const State& s) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      if (cell.answer != 0 && !cell.given) {
        text += " r" + std::to_string(r + 1) + 'c' + std::to_string(c + 1) + '=' + std::to_string(cell.answer);
      }
    }
  }
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (s.cell(r, c).answer != 0) continue;
      for (int d = 1; d <= 9; ++d) {
        if (!s.cell(r, c).deleted[d]) continue;
        text += " r" + std::to_string(r + 1) + 'c' + std::to_string(c + 1) + "<>" + std::to_string(d);
      }
    }
  }
  return text;
}

bool is_removals_text(std::string_view text) {
  int r = 0, c = 0, d = 0;
  bool answer = false;
  return for_each_word(text, [&](std::string_view word) { return parse_word(word, r, c, d, answer); });
}

std::string apply_removals(std::string_view text, State& s) {
  std::string reason;
  for_each_word(text, [&](std::string_view word) {
    int r = 0, c = 0, d = 0;
    bool answer = false;
    if (!parse_word(word, r, c, d, answer)) {
      reason.assign(word);
      reason += " is no removal (r<row>c<column><><digit>) or answer (r<row>c<column>=<digit>)";
      return false;
    }
    if (answer) {
      Cell& cell = s.cell(r - 1, c - 1);
      if (cell.answer != d) {
        reason.assign(word);
        reason += " names an answer the cells do not hold";
        return false;
      }
      cell.given = false;
      return true;
    }
    if (s.cell(r - 1, c - 1).answer != 0) {
      reason.assign(word);
      reason += " removes a possibility from a cell that has an answer";
      return false;
    }
    s.delete_possibility(r - 1, c - 1, d);
    return true;
  });
  return reason;
}

std::string read_position(std::string_view line, State& s) {
  if (line.size() < 81) return "a position needs 81 cells";
  for (int i = 0; i < 81; ++i) {
    const char ch = line[i];
    if (ch != '.' && (ch < '1' || ch > '9')) return "cell " + std::to_string(i + 1) + " is no digit or '.'";
  }
  if (line.size() > 81 && line[81] != ' ') return "the cells must be followed by a space";
  s = State();
  for (int i = 0; i < 81; ++i) {
    if (line[i] != '.') s.set_answer_and_solution(i / 9, i % 9, line[i] - '0');
  }
  s.mark_givens();
  return apply_removals(line.substr(81), s);
}

}  // namespace vantry
