// The link a strategy's help page offers to practise it. The help viewer
// hands links of this scheme to the program instead of following them, and
// the program starts Practice for the strategy the link names.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

inline constexpr std::string_view kPracticeLinkScheme = "vantry";

// "vantry:practise?strategy=<n>" for table number n.
std::string practice_link(int n);

// The table number a practice link names; 0 for any other text (another
// scheme or command, a number missing, malformed or out of 1-99).
int practice_link_strategy(std::string_view link);

}  // namespace vantry
