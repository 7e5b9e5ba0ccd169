#include "ui/timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veskaro {
namespace {

class FakePlatformTimer : public PlatformTimer {
 public:
  void Start(std::int32_t ms) override { log.push_back("set " + std::to_string(ms)); }
  void Stop() override { log.push_back("kill"); }
  std::vector<std::string> log;
};

struct Step {
  std::int32_t period;
  std::vector<std::string> platform;  // what the platform timer is told
  bool running;
};

struct TimerCase {
  const char* name;
  std::vector<Step> steps;
};

class TimerTest : public ::testing::TestWithParam<TimerCase> {};

TEST_P(TimerTest, PeriodChangesReachThePlatformOnlyWhenTheyChangeSomething) {
  FakePlatformTimer platform;
  Timer timer(platform, 0);
  timer.OnWindowCreated();
  for (const Step& step : GetParam().steps) {
    SCOPED_TRACE(step.period);
    platform.log.clear();
    timer.SetPeriod(step.period);
    EXPECT_EQ(platform.log, step.platform);
    EXPECT_EQ(timer.running(), step.running);
    EXPECT_GE(timer.period(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TimerTest,
    ::testing::Values(
        TimerCase{"StartThenSame", {{15, {"set 15"}, true}, {15, {}, true}}},
        TimerCase{"StartThenStop", {{15, {"set 15"}, true}, {0, {"kill"}, false}}},
        TimerCase{"NegativeStops", {{15, {"set 15"}, true}, {-5, {"kill"}, false}}},
        TimerCase{"StopWhileStopped", {{0, {}, false}, {-1, {}, false}}},
        TimerCase{"NewPeriodRestarts",
                  {{15, {"set 15"}, true}, {20, {"kill", "set 20"}, true}}},
        TimerCase{
            "RestartAfterStop",
            {{15, {"set 15"}, true}, {0, {"kill"}, false}, {15, {"set 15"}, true}}}),
    [](const auto& info) { return info.param.name; });

TEST(TimerLifetimeTest, DeclaredPeriodStartsWithTheWindowAndStopsWithIt) {
  FakePlatformTimer platform;
  Timer timer(platform, 30);
  timer.OnWindowCreated();
  EXPECT_TRUE(timer.running());
  timer.OnWindowDestroyed();
  timer.OnWindowDestroyed();
  EXPECT_EQ(platform.log, (std::vector<std::string>{"set 30", "kill"}));
  EXPECT_FALSE(timer.running());
}

TEST(TimerLifetimeTest, DeclaredZeroStaysStopped) {
  FakePlatformTimer platform;
  Timer timer(platform, 0);
  timer.OnWindowCreated();
  timer.OnWindowDestroyed();
  EXPECT_TRUE(platform.log.empty());
}

}  // namespace
}  // namespace veskaro
