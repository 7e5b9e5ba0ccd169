#include "recorder/recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"

namespace veskaro {
namespace {

using testing::CountingHeap;
using testing::FakeScreen;
using testing::FatalExit;
using testing::ThrowingReporter;
using Calls = std::vector<std::string>;

class RecorderTest : public ::testing::Test {
 protected:
  void Ready() {
    recorder.OnWindowCreated();
    screen.Take();
  }
  void Stroke(std::vector<Point> points) {
    recorder.OnCanvasLeftDown(points.front().x, points.front().y, 0);
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
      recorder.OnCanvasMouseMove(points[i].x, points[i].y, 0);
    }
    recorder.OnCanvasLeftUp(points.back().x, points.back().y, 0);
  }
  std::vector<Segment> Recorded() const {
    std::vector<Segment> out;
    for (std::int32_t i = 1; i <= recorder.recording().Count(); ++i) {
      out.push_back(recorder.recording().At(i));
    }
    return out;
  }

  CountingHeap heap;
  ThrowingReporter fatal;
  Memory memory{heap, fatal};
  FakeScreen screen;
  Recorder recorder{screen, memory};
};

// --- the mode table -------------------------------------------------------

enum class Start { Playing, Ready, Drawing };
enum class Input { Created, Down, Move, Up, Play, Clear, Tick };

struct ModeCase {
  Start start;
  Input input;
  RecorderMode mode;
  Calls calls;
};

class ModeTableTest : public RecorderTest,
                      public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTableTest, EventMovesModeAndActsAsDeclared) {
  const ModeCase& c = GetParam();
  if (c.start != Start::Playing) recorder.OnWindowCreated();
  if (c.start == Start::Drawing) recorder.OnCanvasLeftDown(5, 6, 0);
  screen.Take();
  switch (c.input) {
    case Input::Created:
      recorder.OnWindowCreated();
      break;
    case Input::Down:
      recorder.OnCanvasLeftDown(7, 8, 0);
      break;
    case Input::Move:
      recorder.OnCanvasMouseMove(7, 8, 0);
      break;
    case Input::Up:
      recorder.OnCanvasLeftUp(7, 8, 0);
      break;
    case Input::Play:
      recorder.OnPlayClicked();
      break;
    case Input::Clear:
      recorder.OnClearClicked();
      break;
    case Input::Tick:
      recorder.OnTimerTick();
      break;
  }
  EXPECT_EQ(recorder.mode(), c.mode);
  EXPECT_EQ(screen.Take(), c.calls);
}

using M = RecorderMode;
INSTANTIATE_TEST_SUITE_P(
    AllModes, ModeTableTest,
    ::testing::Values(
        ModeCase{Start::Playing, Input::Created, M::Ready, {}},
        ModeCase{Start::Ready, Input::Created, M::Ready, {}},
        ModeCase{Start::Drawing, Input::Created, M::Ready, {}},
        ModeCase{Start::Playing, Input::Down, M::Playing, {}},
        ModeCase{Start::Ready, Input::Down, M::Drawing, {"line 7,8-7,8"}},
        ModeCase{Start::Drawing, Input::Down, M::Drawing, {"line 7,8-7,8"}},
        ModeCase{Start::Playing, Input::Move, M::Playing, {}},
        ModeCase{Start::Ready, Input::Move, M::Ready, {}},
        ModeCase{Start::Drawing, Input::Move, M::Drawing, {"line 5,6-7,8"}},
        ModeCase{Start::Playing, Input::Up, M::Playing, {}},
        ModeCase{Start::Ready, Input::Up, M::Ready, {}},
        ModeCase{Start::Drawing, Input::Up, M::Ready, {"line 5,6-7,8"}},
        ModeCase{Start::Playing, Input::Play, M::Playing, {"clear", "timer 15"}},
        ModeCase{Start::Ready, Input::Play, M::Playing, {"clear", "timer 15"}},
        ModeCase{Start::Drawing, Input::Play, M::Playing, {"clear", "timer 15"}},
        ModeCase{Start::Playing, Input::Clear, M::Ready, {"timer 0", "clear"}},
        ModeCase{Start::Ready, Input::Clear, M::Ready, {"timer 0", "clear"}},
        ModeCase{Start::Drawing, Input::Clear, M::Ready, {"timer 0", "clear"}},
        // An empty recording ends a playback on its first tick, whatever the mode.
        ModeCase{Start::Playing, Input::Tick, M::Ready, {"timer 0"}},
        ModeCase{Start::Drawing, Input::Tick, M::Ready, {"timer 0"}}));

// --- strokes --------------------------------------------------------------

TEST_F(RecorderTest, BeforeTheWindowExistsCanvasInputIsIgnored) {
  Stroke({{1, 1}, {2, 2}, {3, 3}});
  EXPECT_EQ(recorder.mode(), RecorderMode::Playing);
  EXPECT_TRUE(screen.Take().empty());
  EXPECT_EQ(recorder.recording().Count(), 0);
}

TEST_F(RecorderTest, StrokeDrawsEachPieceAndRecordsTheSameCoordinates) {
  Ready();
  Stroke({{1, 2}, {10, 20}, {30, 40}, {447, 335}});
  EXPECT_EQ(screen.Take(), (Calls{"line 1,2-1,2", "line 1,2-10,20", "line 10,20-30,40",
                                  "line 30,40-447,335"}));
  EXPECT_EQ(Recorded(),
            (std::vector<Segment>{
                {{1, 2}, {10, 20}}, {{10, 20}, {30, 40}}, {{30, 40}, {447, 335}}}));
  EXPECT_EQ(recorder.mode(), RecorderMode::Ready);
  EXPECT_EQ(recorder.lastPoint(), (Point{30, 40}));
}

TEST_F(RecorderTest, ClickWithoutMovingRecordsOneZeroLengthSegment) {
  Ready();
  Stroke({{9, 9}, {9, 9}});
  EXPECT_EQ(screen.Take(), (Calls{"line 9,9-9,9", "line 9,9-9,9"}));
  EXPECT_EQ(Recorded(), (std::vector<Segment>{{{9, 9}, {9, 9}}}));
}

TEST_F(RecorderTest, MoveToTheSamePlaceIsRecordedAgain) {
  Ready();
  Stroke({{4, 4}, {4, 4}, {4, 4}, {4, 4}});
  EXPECT_EQ(recorder.recording().Count(), 3);
}

TEST_F(RecorderTest, StrokesAreNotJoined) {
  Ready();
  Stroke({{1, 1}, {2, 2}});
  Stroke({{50, 50}, {60, 60}});
  EXPECT_EQ(Recorded(), (std::vector<Segment>{{{1, 1}, {2, 2}}, {{50, 50}, {60, 60}}}));
}

TEST_F(RecorderTest, PressDuringAStrokeRestartsItWithoutRecordingTheGap) {
  Ready();
  recorder.OnCanvasLeftDown(1, 1, 0);
  recorder.OnCanvasMouseMove(2, 2, 0);
  recorder.OnCanvasLeftDown(100, 100, 0);  // the release never came
  recorder.OnCanvasMouseMove(101, 101, 0);
  EXPECT_EQ(Recorded(),
            (std::vector<Segment>{{{1, 1}, {2, 2}}, {{100, 100}, {101, 101}}}));
}

TEST_F(RecorderTest, KeyStateIsIgnored) {
  Ready();
  recorder.OnCanvasLeftDown(1, 1, 7);
  recorder.OnCanvasMouseMove(2, 2, 1);
  recorder.OnCanvasLeftUp(3, 3, 2);
  EXPECT_EQ(recorder.recording().Count(), 2);
}

TEST_F(RecorderTest, PlayOrClearMidStrokeEndsIt) {
  for (bool play : {true, false}) {
    SCOPED_TRACE(play ? "play" : "clear");
    recorder.OnClearClicked();
    recorder.OnCanvasLeftDown(1, 1, 0);
    play ? recorder.OnPlayClicked() : recorder.OnClearClicked();
    const std::int32_t before = recorder.recording().Count();
    recorder.OnCanvasMouseMove(2, 2, 0);
    recorder.OnCanvasLeftUp(3, 3, 0);
    EXPECT_EQ(recorder.recording().Count(), before);
  }
}

// --- playback and clearing ------------------------------------------------

TEST_F(RecorderTest, PlaybackDrawsOneSegmentPerTickThenStops) {
  Ready();
  Stroke({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
  screen.Take();
  recorder.OnPlayClicked();
  EXPECT_EQ(screen.Take(), (Calls{"clear", "timer 15"}));
  for (const char* expected : {"line 1,1-2,2", "line 2,2-3,3", "line 3,3-4,4"}) {
    recorder.OnTimerTick();
    EXPECT_EQ(screen.Take(), (Calls{expected}));
    EXPECT_EQ(recorder.mode(), RecorderMode::Playing);
  }
  recorder.OnTimerTick();
  EXPECT_EQ(screen.Take(), (Calls{"timer 0"}));
  EXPECT_EQ(recorder.mode(), RecorderMode::Ready);
  EXPECT_EQ(recorder.recording().Count(), 3);
}

TEST_F(RecorderTest, CanvasInputDuringPlaybackChangesNothing) {
  Ready();
  Stroke({{1, 1}, {2, 2}});
  recorder.OnPlayClicked();
  screen.Take();
  Stroke({{5, 5}, {6, 6}, {7, 7}});
  EXPECT_TRUE(screen.Take().empty());
  EXPECT_EQ(recorder.recording().Count(), 1);
}

TEST_F(RecorderTest, PlayAgainRestartsFromTheFirstSegment) {
  Ready();
  Stroke({{1, 1}, {2, 2}, {3, 3}});
  recorder.OnPlayClicked();
  recorder.OnTimerTick();
  screen.Take();
  recorder.OnPlayClicked();
  recorder.OnTimerTick();
  EXPECT_EQ(screen.Take(), (Calls{"clear", "timer 15", "line 1,1-2,2"}));
  EXPECT_EQ(recorder.playPosition(), 1);
}

TEST_F(RecorderTest, DrawingAfterAPlaybackAppendsAndTheNextPlayReplaysBoth) {
  Ready();
  Stroke({{1, 1}, {2, 2}});
  recorder.OnPlayClicked();
  recorder.OnTimerTick();
  recorder.OnTimerTick();
  Stroke({{8, 8}, {9, 9}});
  recorder.OnPlayClicked();
  screen.Take();
  for (int i = 0; i < 3; ++i) recorder.OnTimerTick();
  EXPECT_EQ(screen.Take(), (Calls{"line 1,1-2,2", "line 8,8-9,9", "timer 0"}));
}

TEST_F(RecorderTest, ClearDuringPlaybackForgetsEverything) {
  Ready();
  Stroke({{1, 1}, {2, 2}, {3, 3}});
  recorder.OnPlayClicked();
  recorder.OnTimerTick();
  screen.Take();
  recorder.OnClearClicked();
  EXPECT_EQ(screen.Take(), (Calls{"timer 0", "clear"}));
  EXPECT_EQ(recorder.recording().Count(), 0);
  EXPECT_EQ(recorder.lastPoint(), (Point{2, 2}));
  recorder.OnPlayClicked();
  recorder.OnTimerTick();
  EXPECT_EQ(screen.Take(), (Calls{"clear", "timer 15", "timer 0"}));
}

// --- memory ---------------------------------------------------------------

TEST_F(RecorderTest, StartTakesThePenPositionThenTheStorage) {
  EXPECT_EQ(heap.requests, (std::vector<std::size_t>{8, 1024}));
}

TEST_F(RecorderTest, StorageGrowsByHalfAndIsGivenBackOnClear) {
  Ready();
  recorder.OnCanvasLeftDown(0, 0, 0);
  for (int i = 0; i < 145; ++i) recorder.OnCanvasMouseMove(i % 448, 0, 0);
  EXPECT_EQ(heap.requests, (std::vector<std::size_t>{8, 1024, 1536, 2304, 3456}));
  recorder.OnClearClicked();
  EXPECT_EQ(heap.live, 1);  // only the pen position
  recorder.OnCanvasLeftDown(0, 0, 0);
  recorder.OnCanvasMouseMove(1, 1, 0);
  EXPECT_EQ(heap.requests.back(), 1024u);
  EXPECT_EQ(recorder.recording().At(1), (Segment{{0, 0}, {1, 1}}));
}

TEST_F(RecorderTest, SegmentsSurviveEveryGrowth) {
  Ready();
  recorder.OnCanvasLeftDown(0, 0, 0);
  for (int i = 1; i <= 5000; ++i) recorder.OnCanvasMouseMove(i % 448, i / 448, 0);
  ASSERT_EQ(recorder.recording().Count(), 5000);
  for (int i = 2; i <= 5000; ++i) {
    ASSERT_EQ(recorder.recording().At(i).start, recorder.recording().At(i - 1).end);
  }
  EXPECT_EQ(recorder.recording().At(5000).end, (Point{5000 % 448, 5000 / 448}));
  EXPECT_LE(recorder.recording().CapacityBytes(), 5000 * 16 * 3 / 2);
}

TEST_F(RecorderTest, ExitGivesBackEverythingOnce) {
  Ready();
  Stroke({{1, 1}, {2, 2}});
  recorder.OnProgramExit();
  EXPECT_EQ(heap.live, 0);
  recorder.OnProgramExit();  // and so does the destructor later
  EXPECT_EQ(heap.live, 0);
}

TEST(NextCapacityTest, GrowsByHalfWithinTheCount) {
  struct Case {
    std::int32_t capacity, next;
  };
  const Case cases[] = {
      {0, kInitialCapacity},
      {64, 96},
      {65, 97},
      {1'000'000, 1'500'000},
      {kMaxSegments - 10, kMaxSegments},
      {kMaxSegments, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextCapacity(c.capacity), c.next) << c.capacity;
  }
}

TEST(AllocationFailureMessageTest, CarriesTheExactByteCount) {
  EXPECT_EQ(AllocationFailureMessage(8), "分配 8 字节内存失败!");
  EXPECT_EQ(AllocationFailureMessage(34359738352), "分配 34359738352 字节内存失败!");
}

// A heap that refuses one request, to see each failure from the recorder.
class RefusingHeap : public CountingHeap {
 public:
  explicit RefusingHeap(std::size_t refuseAt) : refuseAt_(refuseAt) {}
  void* Allocate(std::size_t bytes) noexcept override {
    return Refused() ? nullptr : CountingHeap::Allocate(bytes);
  }
  void* Reallocate(void* block, std::size_t bytes) noexcept override {
    return Refused() ? nullptr : CountingHeap::Reallocate(block, bytes);
  }

 private:
  bool Refused() { return ++seen_ == refuseAt_; }
  std::size_t refuseAt_;
  std::size_t seen_ = 0;
};

TEST(RecorderMemoryTest, EachRefusedRequestIsFatalWithItsSize) {
  struct Case {
    std::size_t refuseAt;
    const char* message;
  };
  const Case cases[] = {
      {1, "分配 8 字节内存失败!"},
      {2, "分配 1024 字节内存失败!"},
      {3, "分配 1536 字节内存失败!"},
      {4, "分配 2304 字节内存失败!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refuseAt);
    RefusingHeap heap(c.refuseAt);
    ThrowingReporter fatal;
    Memory memory(heap, fatal);
    FakeScreen screen;
    std::string reported;
    std::int32_t countAtFailure = -1;
    try {
      Recorder recorder(screen, memory);
      recorder.OnWindowCreated();
      recorder.OnCanvasLeftDown(0, 0, 0);
      for (int i = 0; i < 200; ++i) {
        countAtFailure = recorder.recording().Count();
        recorder.OnCanvasMouseMove(i % 400, 1, 0);
      }
    } catch (const FatalExit& e) {
      reported = e.message;
    }
    EXPECT_EQ(reported, c.message);
    EXPECT_EQ(heap.live, 0);  // what was taken was given back on the way out
    if (c.refuseAt > 2) {
      EXPECT_EQ(countAtFailure, c.refuseAt == 3 ? 64 : 96);
    }
  }
}

}  // namespace
}  // namespace veskaro
