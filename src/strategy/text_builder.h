// The pieces every hint text is made of. A Text grows by appending: numbers,
// cell names (row,column counted from 1), units (row 5), unit lists (rows 2, 5
// and 8), digit lists (1, 4 and 9) and cell lists (1,2; 3,5 or 9,9). A list of
// one item is the item alone; two items use only the last separator.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

class CellSet;
class Combination;
class List;

class Text {
 public:
  Text& add(std::string_view piece);
  Text& number(int n);
  Text& cell_name(int r, int c);
  Text& unit_number(int i);
  Text& unit(std::string_view word, int i);
  Text& unit_list(std::string_view word, const List& indexes);
  Text& unit_list(std::string_view word, const Combination& indexes);
  Text& digit_list(const List& digits, std::string_view conjunction);
  Text& digit_list(const Combination& digits, std::string_view conjunction);
  Text& cell_list(const CellSet& cells, std::string_view conjunction);

  const std::string& str() const { return my_text; }

 private:
  // The separator before item i of n: none, ", " (or "; "), or the last one.
  void separate(int i, int n, std::string_view separator, std::string_view last);

  std::string my_text;
};

}  // namespace vantry
