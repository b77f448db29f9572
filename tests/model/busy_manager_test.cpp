// The busy manager's phases through the scripted window system: the delayed
// dialog, the nesting rules, and the cancel poll.
#include <gtest/gtest.h>

#include <cstdlib>

#include "model/busy_manager.h"
#include "support/fake_platform.h"

namespace vantry {
namespace {

using testing::FakePlatform;

TEST(BusyManager, ADelayedDialogNeverShowsWhenThePhaseEndsFirst) {
  FakePlatform platform;
  BusyManager busy(platform);
  busy.start(kBusyTestingStrategies);
  EXPECT_TRUE(busy.is_busy());
  EXPECT_TRUE(platform.wait_cursor);
  EXPECT_TRUE(platform.dialog_exists);
  EXPECT_EQ(platform.dialog_message, "Testing strategies...");
  EXPECT_FALSE(platform.dialog_visible);
  ASSERT_TRUE(platform.timer_running(kBusyDelayTimer));
  EXPECT_EQ(platform.timers[kBusyDelayTimer].interval_ms, 500);
  busy.end(kBusyTestingStrategies);
  EXPECT_FALSE(busy.is_busy());
  EXPECT_FALSE(platform.timer_running(kBusyDelayTimer));
  EXPECT_FALSE(platform.dialog_exists);
  EXPECT_FALSE(platform.wait_cursor);
  EXPECT_EQ(platform.dialogs_shown, 0);
}

TEST(BusyManager, TheDelayTimerShowsTheDialogOnce) {
  FakePlatform platform;
  BusyManager busy(platform);
  busy.start(kBusyHint);
  EXPECT_TRUE(platform.fire_timer(kBusyDelayTimer));
  EXPECT_TRUE(platform.dialog_visible);
  EXPECT_FALSE(platform.timer_running(kBusyDelayTimer));
  busy.end(kBusyHint);
  EXPECT_EQ(platform.dialogs_shown, 1);
}

TEST(BusyManager, CreatingShowsItsDialogAtOnce) {
  FakePlatform platform;
  BusyManager busy(platform);
  busy.start(kBusyCreating);
  EXPECT_TRUE(platform.dialog_visible);
  EXPECT_EQ(platform.dialog_message, "Creating puzzle...");
  EXPECT_FALSE(platform.timer_running(kBusyDelayTimer));
}

TEST(BusyManager, PhasesDoNotNest) {
  FakePlatform platform;
  BusyManager busy(platform);
  busy.start(kBusyCreating);
  busy.start(kBusySolutionStatus);  // ignored
  EXPECT_EQ(busy.current_owner(), kBusyCreating);
  EXPECT_EQ(platform.dialogs_created, 1);
  busy.end(kBusySolutionStatus);  // not the owner: ignored
  EXPECT_TRUE(busy.is_busy());
  EXPECT_TRUE(platform.dialog_exists);
  busy.end(kBusyCreating);
  EXPECT_FALSE(busy.is_busy());
  busy.end(kBusyCreating);  // idle: nothing happens
  EXPECT_EQ(platform.wait_cursor_changes, 2);
}

TEST(BusyManager, CancelledLetsEventsThroughBeforeAnswering) {
  FakePlatform platform;
  BusyManager busy(platform);
  busy.start(kBusyRating);
  platform.on_pump[2].push_back([&] { platform.press_cancel(); });
  EXPECT_FALSE(busy.cancelled());
  EXPECT_TRUE(busy.cancelled());  // the click arrived during the second poll
  EXPECT_EQ(platform.pumps, 2);
  EXPECT_TRUE(platform.dialog_exists);  // the dialog stays until the phase ends
  busy.reset_cancel(kBusyHint);         // not the owner
  EXPECT_TRUE(busy.cancel_pressed());
  busy.reset_cancel(kBusyRating);
  EXPECT_FALSE(busy.cancel_pressed());
  busy.end(kBusyRating);
  busy.start(kBusyHint);
  EXPECT_FALSE(busy.cancel_pressed());  // every phase starts uncancelled
}

TEST(BusyManagerDeathTest, ACloseRequestDuringAPollCancelsThePhase) {
  // The program does not end inside the computation: the phase is cancelled
  // so the computation unwinds, and the window closes the usual way after.
  // Run in a child whose exit code 3 says the poll came back.
  EXPECT_EXIT(
      {
        FakePlatform platform;
        BusyManager busy(platform);
        busy.start(kBusyRating);
        platform.on_pump[1].push_back([&] { platform.close_was_requested = true; });
        const bool cancelled = busy.cancelled() && busy.cancel_pressed();
        busy.end(kBusyRating);
        busy.start(kBusyHint);  // the next phase starts uncancelled
        std::exit(cancelled && !busy.cancel_pressed() ? 3 : 4);
      },
      ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace vantry
