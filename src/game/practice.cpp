#include "game/practice.h"

#include "strategy/strategy.h"

namespace vantry {

std::string practice_question(int n, int last_practised) {
  const StrategyRow& row = strategy_row(n);
  if (n == last_practised || row.frequency < kRareFrequency) return {};
  std::string text = row.name;
  text += " is a ";
  text += kFrequencyWords[row.frequency];
  text += " strategy.\nFinding a puzzle that contains one may take a while.\n\nWould you still like to do this?";
  return text;
}

}  // namespace vantry
