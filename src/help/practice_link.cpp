#include "help/practice_link.h"

namespace vantry {

namespace {

constexpr std::string_view kPrefix = "vantry:practise?strategy=";

}  // namespace

std::string practice_link(int n) { return std::string(kPrefix) + std::to_string(n); }

int practice_link_strategy(std::string_view link) {
  if (!link.starts_with(kPrefix)) return 0;
  const std::string_view digits = link.substr(kPrefix.size());
  if (digits.empty() || digits.size() > 2 || digits.front() == '0') return 0;
  int n = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return 0;
    n = n * 10 + (ch - '0');
  }
  return n;
}

}  // namespace vantry
