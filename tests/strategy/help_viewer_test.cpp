#include "help/help_viewer.h"

#include <gtest/gtest.h>

#include "strategy/strategy.h"

namespace vantry::testing {
namespace {

TEST(HelpFile, LivesBesideTheProgram) {
  EXPECT_EQ(help_file_path("/opt/vantry/bin/vantry"), "/opt/vantry/bin/Vantry.chm");
  EXPECT_EQ(help_file_path("C:\\Games\\Vantry\\vantry.exe"), "C:\\Games\\Vantry\\Vantry.chm");
  EXPECT_EQ(help_file_path("vantry"), "Vantry.chm");
  EXPECT_EQ(help_file_path("./vantry"), "./Vantry.chm");
}

TEST(HelpFile, EveryStrategyTopicIsInTheStrategyRange) {
  for (int n = 1; n <= strategy_count(); ++n) {
    EXPECT_GE(strategy_row(n).help_context, kHelpFirstStrategy) << n;
    EXPECT_LE(strategy_row(n).help_context, kHelpLastStrategy) << n;
  }
}

}  // namespace
}  // namespace vantry::testing
