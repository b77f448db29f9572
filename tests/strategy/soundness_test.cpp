// Every move the engine makes in apply mode, on a fixed sample of every corpus
// file with known solutions, must agree with the solution. The whole corpus
// runs as "vantry-cli soundness" (CTest label slow).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/soundness.h"
#include "support/corpus.h"
#include "support/fake_platform.h"
#include "model/busy_manager.h"

namespace vantry::testing {
namespace {

TEST(StrategySoundness, SampleOfEveryCorpusFileAgreesWithTheSolutions) {
  namespace fs = std::filesystem;
  FakePlatform platform;
  BusyManager busy(platform);
  Strategy engine(busy);
  SoundnessReport total;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(corpus_path("solutions"))) {
    const std::string name = entry.path().filename().string();
    const int lines = static_cast<int>(read_lines(corpus_path(name)).size());
    // Every stride-th puzzle: at least 200 of each file, or all of a small one.
    const int stride = std::max(1, lines / 200);
    SoundnessReport report;
    check_corpus_file(engine, corpus_path(name), entry.path().string(), stride, report);
    EXPECT_GE(report.puzzles, std::min(200, lines)) << name;
    EXPECT_TRUE(report.faults.empty()) << name << ": " << report.faults.front();
    // These files need nothing beyond singles, intersections and subsets.
    if (name.starts_with("a_qqwing_simple") || name.starts_with("a_qqwing_easy") ||
        name.starts_with("a_qqwing_intermediate")) {
      EXPECT_EQ(report.stuck, 0) << name;
    }
    total.add(report);
    ++files;
  }
  EXPECT_GE(files, 11);
  // The sample's signature: how often each row fired. It changes only when
  // what the finders find changes, so a new finder or a changed search order
  // shows up here and is updated on purpose.
  const long expected[MAX_STRATEGIES] = {0, 68164, 21126, 3466, 561, 569, 280, 208, 210, 64, 323, 202, 79, 152, 20,
                                         8, 10,    6,     0,    20,  251, 3,   37,  40,  7,  1,   0,   0,  18,  5,
                                         4, 31,    1,     21,   0,   0,   0,   0,   4,   0,  15,  49,  0,  190, 108};
  for (int n = 1; n < MAX_STRATEGIES; ++n) EXPECT_EQ(total.fired[n], expected[n]) << n;
  EXPECT_EQ(total.solved, 1557);
  EXPECT_EQ(total.stuck, 691);
  std::cout << "[ soundness ]\n";
  total.write(std::cout);
}

}  // namespace
}  // namespace vantry::testing
