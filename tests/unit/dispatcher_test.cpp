#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/event_dispatcher.h"

namespace veskaro {
namespace {

using testing::CountingHeap;
using testing::FakeScreen;
using testing::ThrowingReporter;
using Calls = std::vector<std::string>;

class DispatcherTest : public ::testing::Test {
 protected:
  DispatcherTest() { events.Attach(recorder); }

  CountingHeap heap;
  ThrowingReporter fatal;
  Memory memory{heap, fatal};
  FakeScreen screen;
  Recorder recorder{screen, memory};
  EventDispatcher events;
};

struct Delivery {
  ControlId control;
  Event event;
  Calls calls;  // what the handler did, in mode Ready
};

class BindingTest : public DispatcherTest,
                    public ::testing::WithParamInterface<Delivery> {};

TEST_P(BindingTest, EventReachesItsHandlerOrNothing) {
  const Delivery& d = GetParam();
  recorder.OnWindowCreated();
  events.Raise(d.control, d.event, {3, 4, 0});
  EXPECT_EQ(screen.Take(), d.calls);
}

INSTANTIATE_TEST_SUITE_P(
    DeclaredBindings, BindingTest,
    ::testing::Values(Delivery{ControlId::Canvas1, Event::LeftDown, {"line 3,4-3,4"}},
                      Delivery{ControlId::Button2, Event::Clicked, {"clear", "timer 15"}},
                      Delivery{ControlId::Button1, Event::Clicked, {"timer 0", "clear"}},
                      Delivery{ControlId::Clock1, Event::Tick, {"timer 0"}},
                      // Unbound events are dropped.
                      Delivery{ControlId::Canvas1, Event::DoubleClick, {}},
                      Delivery{ControlId::Canvas1, Event::RightDown, {}},
                      Delivery{ControlId::Canvas1, Event::Wheel, {}},
                      Delivery{ControlId::Canvas1, Event::Clicked, {}},
                      Delivery{ControlId::Button1, Event::LeftDown, {}},
                      Delivery{ControlId::Button2, Event::KeyDown, {}},
                      Delivery{ControlId::MainWindow, Event::SizeChanged, {}},
                      Delivery{ControlId::MainWindow, Event::CanClose, {}},
                      Delivery{ControlId::MainWindow, Event::Clicked, {}}));

TEST_F(DispatcherTest, CreatedEventMakesTheRecorderReady) {
  events.Raise(ControlId::MainWindow, Event::Created);
  EXPECT_EQ(recorder.mode(), RecorderMode::Ready);
}

TEST_F(DispatcherTest, PointerArgumentsArriveUnchanged) {
  recorder.OnWindowCreated();
  events.Raise(ControlId::Canvas1, Event::LeftDown, {0, 0, kCtrl | kShift});
  events.Raise(ControlId::Canvas1, Event::MouseMove, {447, 335, kAlt});
  events.Raise(ControlId::Canvas1, Event::LeftUp, {447, 0, 0});
  EXPECT_EQ(screen.Take(),
            (Calls{"line 0,0-0,0", "line 0,0-447,335", "line 447,335-447,0"}));
}

TEST_F(DispatcherTest, SuspendedEventsAreDroppedNotQueued) {
  recorder.OnWindowCreated();
  events.Suspend();
  events.Suspend();
  events.Raise(ControlId::Button2, Event::Clicked);
  events.Resume();
  events.Raise(ControlId::Button2, Event::Clicked);  // still held once
  events.Resume();
  EXPECT_TRUE(screen.Take().empty());
  events.Raise(ControlId::Canvas1, Event::LeftDown, {1, 1, 0});
  EXPECT_EQ(screen.Take(), (Calls{"line 1,1-1,1"}));
}

TEST_F(DispatcherTest, ResumeNeverGoesBelowZero) {
  events.Resume();
  events.Suspend();
  EXPECT_TRUE(events.Suspended());
}

TEST(DispatcherWithoutRecorderTest, DropsEverything) {
  EventDispatcher events;
  events.Raise(ControlId::MainWindow, Event::Created);  // must not crash
  EXPECT_FALSE(events.Suspended());
}

}  // namespace
}  // namespace veskaro
