// The oracle itself against the worked cases of the program's description, so
// that a model that drifted with the code would still be caught.
#include "reference_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veskaro::model {
namespace {

using E = Element;
using K = EventKind;

struct Step {
  Element element;
  EventKind event;
  std::int32_t x = 0, y = 0;
};

struct ModelCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<std::string> calls;
  int mode;
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

const Step kCreated{E::MainWindow, K::Created}, kPlay{E::Button2, K::Clicked},
    kClear{E::Button1, K::Clicked}, kTick{E::Clock1, K::Tick};
Step Down(std::int32_t x, std::int32_t y) { return {E::Canvas1, K::LeftDown, x, y}; }
Step Move(std::int32_t x, std::int32_t y) { return {E::Canvas1, K::MouseMove, x, y}; }
Step Up(std::int32_t x, std::int32_t y) { return {E::Canvas1, K::LeftUp, x, y}; }

class ReferenceModelTest : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ReferenceModelTest, FollowsTheWorkedCases) {
  ReferenceModel m;
  for (const Step& s : GetParam().steps) m.Raise(s.element, s.event, s.x, s.y);
  std::vector<std::string> calls;
  for (const Call& c : m.calls) calls.push_back(ToString(c));
  EXPECT_EQ(calls, GetParam().calls);
  EXPECT_EQ(m.mode, GetParam().mode);
}

constexpr int kPlaying = ReferenceModel::kPlaying, kReady = ReferenceModel::kReady,
              kDrawing = ReferenceModel::kDrawing;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReferenceModelTest,
    ::testing::Values(
        ModelCase{"canvas ignored before the window is created",
                  {Down(1, 1), Move(2, 2), Up(3, 3)},
                  {},
                  kPlaying},
        ModelCase{"click without moving records one zero-length piece",
                  {kCreated, Down(7, 8), Up(7, 8), kPlay, kTick, kTick},
                  {"line 7,8-7,8", "line 7,8-7,8", "clear", "period 15",
                   "platform set 15", "line 7,8-7,8", "period 0", "platform kill"},
                  kReady},
        ModelCase{"a stroke, then its replay, one piece per tick",
                  {kCreated, Down(1, 1), Move(2, 2), Move(3, 3), Up(4, 4), kPlay, kTick,
                   kTick, kTick, kTick},
                  {"line 1,1-1,1", "line 1,1-2,2", "line 2,2-3,3", "line 3,3-4,4",
                   "clear", "period 15", "platform set 15", "line 1,1-2,2",
                   "line 2,2-3,3", "line 3,3-4,4", "period 0", "platform kill"},
                  kReady},
        ModelCase{
            "play twice keeps the running rhythm",
            {kCreated, Down(1, 1), Up(2, 2), kPlay, kTick, kPlay, kTick},
            {"line 1,1-1,1", "line 1,1-2,2", "clear", "period 15", "platform set 15",
             "line 1,1-2,2", "clear", "period 15", "line 1,1-2,2"},
            kPlaying},
        ModelCase{"clear during a playback stops it and forgets the recording",
                  {kCreated, Down(1, 1), Up(2, 2), kPlay, kClear, kPlay, kTick},
                  {"line 1,1-1,1", "line 1,1-2,2", "clear", "period 15",
                   "platform set 15", "period 0", "platform kill", "clear", "clear",
                   "period 15", "platform set 15", "period 0", "platform kill"},
                  kReady},
        ModelCase{"a press mid-stroke restarts it with no piece for the gap",
                  {kCreated, Down(1, 1), Down(5, 5), Up(6, 6), kPlay, kTick},
                  {"line 1,1-1,1", "line 5,5-5,5", "line 5,5-6,6", "clear", "period 15",
                   "platform set 15", "line 5,5-6,6"},
                  kPlaying},
        ModelCase{"play mid-stroke ends the stroke",
                  {kCreated, Down(1, 1), kPlay, Move(2, 2), Up(3, 3)},
                  {"line 1,1-1,1", "clear", "period 15", "platform set 15"},
                  kPlaying},
        ModelCase{"unbound events do nothing",
                  {kCreated,
                   {E::Canvas1, K::DoubleClick, 1, 1},
                   {E::Canvas1, K::RightDown, 1, 1},
                   {E::Button1, K::LeftDown, 1, 1},
                   {E::Clock1, K::Clicked},
                   {E::MainWindow, K::Tick}},
                  {},
                  kReady},
        ModelCase{"a stroke goes on while drawing",
                  {kCreated, Down(1, 1)},
                  {"line 1,1-1,1"},
                  kDrawing}));

TEST(ReferenceModelSuspension, DropsEveryEventUntilTheLastResume) {
  ReferenceModel m;
  m.Raise(E::MainWindow, K::Created);
  m.Suspend();
  m.Suspend();
  m.Raise(E::Canvas1, K::LeftDown, 1, 1);
  m.Resume();
  m.Raise(E::Button2, K::Clicked);
  EXPECT_TRUE(m.calls.empty());
  m.Resume();
  m.Resume();  // an extra resume must not leave the count below zero
  m.Suspend();
  m.Raise(E::Canvas1, K::LeftDown, 1, 1);
  EXPECT_TRUE(m.calls.empty());
  m.Resume();
  m.Raise(E::Canvas1, K::LeftDown, 1, 1);
  EXPECT_EQ(m.calls.size(), 1u);
}

}  // namespace
}  // namespace veskaro::model
