#include "help/help_viewer.h"
#include "help/practice_link.h"

#include <gtest/gtest.h>

namespace vantry::testing {
namespace {

TEST(HelpFile, LivesBesideTheProgram) {
  EXPECT_EQ(help_file_path("/opt/vantry/bin/vantry"), "/opt/vantry/bin/Vantry.chm");
  EXPECT_EQ(help_file_path("C:\\Games\\Vantry\\vantry.exe"), "C:\\Games\\Vantry\\Vantry.chm");
  EXPECT_EQ(help_file_path("vantry"), "Vantry.chm");
  EXPECT_EQ(help_file_path("./vantry"), "./Vantry.chm");
}

TEST(HelpFile, PracticeLinksNameATableNumberOnly) {
  EXPECT_EQ(practice_link(12), "vantry:practise?strategy=12");
  EXPECT_EQ(practice_link_strategy(practice_link(44)), 44);
  for (const char* other :
       {"", "vantry:practise?strategy=", "vantry:practise?strategy=0", "vantry:practise?strategy=07",
        "vantry:practise?strategy=123", "vantry:practise?strategy=4x", "vantry:practise?strategy=-1",
        "vantry:drill?strategy=4", "http://example.org/?strategy=4"}) {
    EXPECT_EQ(practice_link_strategy(other), 0) << other;
  }
}

}  // namespace
}  // namespace vantry::testing
