#include "help/help_viewer.h"

#include <gtest/gtest.h>

namespace vantry::testing {
namespace {

TEST(HelpFile, LivesBesideTheProgram) {
  EXPECT_EQ(help_file_path("/opt/vantry/bin/vantry"), "/opt/vantry/bin/Vantry.chm");
  EXPECT_EQ(help_file_path("C:\\Games\\Vantry\\vantry.exe"), "C:\\Games\\Vantry\\Vantry.chm");
  EXPECT_EQ(help_file_path("vantry"), "Vantry.chm");
  EXPECT_EQ(help_file_path("./vantry"), "./Vantry.chm");
}

}  // namespace
}  // namespace vantry::testing
