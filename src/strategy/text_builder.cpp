#include "strategy/text_builder.h"

#include "model/cellset.h"
#include "model/combination.h"
#include "model/list.h"

namespace vantry {

namespace {

std::string with_spaces(std::string_view conjunction) {
  std::string s = " ";
  s += conjunction;
  s += ' ';
  return s;
}

}  // namespace

void Text::separate(int i, int n, std::string_view separator, std::string_view last) {
  if (i == 0) return;
  my_text += i == n - 1 ? last : separator;
}

Text& Text::add(std::string_view piece) {
  my_text += piece;
  return *this;
}

Text& Text::number(int n) {
  my_text += std::to_string(n);
  return *this;
}

Text& Text::cell_name(int r, int c) { return number(r + 1).add(",").number(c + 1); }

Text& Text::unit_number(int i) { return number(i + 1); }

Text& Text::unit(std::string_view word, int i) { return add(word).add(" ").unit_number(i); }

Text& Text::unit_list(std::string_view word, const List& indexes) {
  add(word).add("s ");
  for (int i = 0; i < indexes.count(); ++i) {
    separate(i, indexes.count(), ", ", " and ");
    unit_number(indexes.get(i));
  }
  return *this;
}

Text& Text::unit_list(std::string_view word, const Combination& indexes) {
  add(word).add("s ");
  for (int i = 0; i < indexes.size(); ++i) {
    separate(i, indexes.size(), ", ", " and ");
    unit_number(indexes.get(i));
  }
  return *this;
}

Text& Text::digit_list(const List& digits, std::string_view conjunction) {
  const std::string last = with_spaces(conjunction);
  for (int i = 0; i < digits.count(); ++i) {
    separate(i, digits.count(), ", ", last);
    number(digits.get(i));
  }
  return *this;
}

Text& Text::digit_list(const Combination& digits, std::string_view conjunction) {
  const std::string last = with_spaces(conjunction);
  for (int i = 0; i < digits.size(); ++i) {
    separate(i, digits.size(), ", ", last);
    number(digits.get(i));
  }
  return *this;
}

Text& Text::cell_list(const CellSet& cells, std::string_view conjunction) {
  const std::string last = with_spaces(conjunction);
  for (int i = 0; i < cells.count(); ++i) {
    separate(i, cells.count(), "; ", last);
    cell_name(cells.row(i), cells.column(i));
  }
  return *this;
}

}  // namespace vantry
