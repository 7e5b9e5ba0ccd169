// Double clicks and ticks for window systems that have neither.
#include <gtest/gtest.h>

#include "ui/double_click.h"
#include "ui/tick_schedule.h"

namespace veskaro {
namespace {

struct Press {
  std::uint64_t window;
  std::uint32_t button;
  std::uint32_t time;
  std::int32_t x, y;
  bool second;
};

struct DoubleClickCase {
  const char* name;
  std::vector<Press> presses;
};

class DoubleClickTest : public ::testing::TestWithParam<DoubleClickCase> {};

TEST_P(DoubleClickTest, SecondPressIsTold) {
  DoubleClickDetector detector({.timeMs = 400, .distance = 5});
  for (const Press& p : GetParam().presses) {
    EXPECT_EQ(detector.IsSecondPress(p.window, p.button, p.time, p.x, p.y), p.second)
        << "at " << p.time;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, DoubleClickTest,
    ::testing::Values(
        DoubleClickCase{"Quick",
                        {{1, 1, 1000, 10, 10, false}, {1, 1, 1400, 15, 5, true}}},
        DoubleClickCase{"TooLate",
                        {{1, 1, 1000, 10, 10, false}, {1, 1, 1401, 10, 10, false}}},
        DoubleClickCase{"TooFar",
                        {{1, 1, 1000, 10, 10, false}, {1, 1, 1100, 16, 10, false}}},
        DoubleClickCase{"OtherWindow",
                        {{1, 1, 1000, 0, 0, false}, {2, 1, 1100, 0, 0, false}}},
        DoubleClickCase{"OtherButton",
                        {{1, 1, 1000, 0, 0, false}, {1, 3, 1100, 0, 0, false}}},
        DoubleClickCase{"ThirdIsAFirstAgain",
                        {{1, 1, 1000, 0, 0, false},
                         {1, 1, 1100, 0, 0, true},
                         {1, 1, 1200, 0, 0, false},
                         {1, 1, 1300, 0, 0, true}}},
        DoubleClickCase{"AcrossTheClockWrap",
                        {{1, 1, 0xFFFFFF00u, 0, 0, false}, {1, 1, 0x40, 0, 0, true}}},
        DoubleClickCase{"EarlierTimeIsNoDoubleClick",
                        {{1, 1, 5000, 0, 0, false}, {1, 1, 4999, 0, 0, false}}}),
    [](const auto& info) { return info.param.name; });

constexpr std::int64_t kMs = 1'000'000;

TEST(TickScheduleTest, FirstTickOnePeriodAfterStart) {
  TickSchedule ticks;
  ticks.Start(100 * kMs, 15);
  EXPECT_EQ(ticks.due(), 115 * kMs);
  EXPECT_FALSE(ticks.TakeDue(115 * kMs - 1));
  EXPECT_TRUE(ticks.TakeDue(115 * kMs));
  EXPECT_EQ(ticks.due(), 130 * kMs);
}

TEST(TickScheduleTest, StallMergesMissedTicksAndKeepsThePhase) {
  TickSchedule ticks;
  ticks.Start(0, 15);
  EXPECT_TRUE(ticks.TakeDue(70 * kMs));  // due at 15, 30, 45, 60: one tick
  EXPECT_FALSE(ticks.TakeDue(70 * kMs));
  EXPECT_EQ(ticks.due(), 75 * kMs);
}

TEST(TickScheduleTest, StoppedNeverTicks) {
  TickSchedule ticks;
  EXPECT_FALSE(ticks.TakeDue(1'000 * kMs));
  ticks.Start(0, 15);
  ticks.Stop();
  EXPECT_FALSE(ticks.running());
  EXPECT_FALSE(ticks.TakeDue(1'000 * kMs));
}

}  // namespace
}  // namespace veskaro
