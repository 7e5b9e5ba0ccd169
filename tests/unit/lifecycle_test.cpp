#include "app/lifecycle.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/failing_heap.h"
#include "fakes.h"

namespace veskaro {
namespace {

using testing::CountingHeap;
using Log = std::vector<std::string>;

struct ProcessExit {
  int code;
};

// Logs what the lifecycle asks of the windowing layer; scripts stand in for
// notifications that raise events.
class FakePlatform : public Platform {
 public:
  explicit FakePlatform(CountingHeap& heap) : heap_(heap) {}

  bool CreateMainWindow(EventDispatcher& e) override {
    events = &e;
    log.push_back("create");
    RaiseCanvasPress();  // construction noise that must reach no handler
    return createSucceeds;
  }
  void ProcessPendingNotifications() override {
    log.push_back("pending");
    if (events != nullptr) events->Raise(ControlId::Button2, Event::Clicked);
  }
  void ShowMainWindow() override {
    log.push_back("show, " + std::to_string(heap_.live) + " blocks");
  }
  int RunEventLoop() override {
    log.push_back("loop");
    if (inLoop) inLoop(*this);
    return 0;
  }
  void ShowFatalBox(std::string_view caption, std::string_view text) override {
    log.push_back("box " + std::string(caption) + ": " + std::string(text));
    if (whileBoxIsUp) whileBoxIsUp(*this);
  }
  void ReleaseWindowRecords() noexcept override { log.push_back("release windows"); }
  void ReleaseResources() noexcept override {
    log.push_back("release resources, " + std::to_string(heap_.live) + " blocks");
  }
  [[noreturn]] void ExitProcess(int code) override {
    log.push_back("exit " + std::to_string(code));
    throw ProcessExit{code};
  }
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2) override {
    log.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + "-" +
                  std::to_string(x2) + "," + std::to_string(y2));
  }
  void ClearCanvas() override { log.push_back("clear canvas"); }
  void SetTimerPeriod(std::int32_t ms) override {
    log.push_back("timer " + std::to_string(ms));
  }

  void RaiseCanvasPress() {
    events->Raise(ControlId::Canvas1, Event::LeftDown, {5, 5, 0});
  }
  void Drag(int moves) {
    RaiseCanvasPress();
    for (int i = 0; i < moves; ++i) {
      events->Raise(ControlId::Canvas1, Event::MouseMove, {i % 400, 9, 0});
    }
  }

  EventDispatcher* events = nullptr;
  bool createSucceeds = true;
  std::function<void(FakePlatform&)> inLoop, whileBoxIsUp;
  Log log;

 private:
  CountingHeap& heap_;
};

// Notes the size of every memory request on its way to `heap`, refused or not.
class RequestSizes final : public HeapPort {
 public:
  explicit RequestSizes(HeapPort& heap) : heap_(heap) {}
  void* Allocate(std::size_t bytes) noexcept override {
    sizes.push_back(bytes);
    return heap_.Allocate(bytes);
  }
  void* Reallocate(void* block, std::size_t bytes) noexcept override {
    sizes.push_back(bytes);
    return heap_.Reallocate(block, bytes);
  }
  void Free(void* block) noexcept override { heap_.Free(block); }

  std::vector<std::size_t> sizes;

 private:
  HeapPort& heap_;
};

class LifecycleTest : public ::testing::Test {
 protected:
  // The exit code, whether the program returned or ended the process.
  int Run(HeapPort& h) {
    try {
      return RunProgram(platform, h);
    } catch (const ProcessExit& e) {
      return e.code;
    }
  }
  int Run() { return Run(heap); }

  CountingHeap heap;
  FakePlatform platform{heap};
};

TEST_F(LifecycleTest, NormalRunInOrder) {
  platform.inLoop = [](FakePlatform& p) {
    p.Drag(2);
    p.events->Raise(ControlId::Canvas1, Event::LeftUp, {9, 9, 0});
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(platform.log,
            (Log{"pending", "create", "pending", "show, 2 blocks", "loop", "line 5,5-5,5",
                 "line 5,5-0,9", "line 0,9-1,9", "line 1,9-9,9", "release windows",
                 "release resources, 0 blocks"}));
  EXPECT_EQ(heap.live, 0);
}

TEST_F(LifecycleTest, RecorderIsReadyBeforeTheWindowShows) {
  // A press as soon as the window is visible starts a stroke.
  platform.inLoop = [](FakePlatform& p) { p.RaiseCanvasPress(); };
  Run();
  EXPECT_EQ(platform.log[5], "line 5,5-5,5");
}

TEST_F(LifecycleTest, NothingReachesTheRecorderAfterTheLoop) {
  platform.inLoop = [](FakePlatform& p) {
    p.RaiseCanvasPress();
    p.events->Suspend();  // stands in for the shut-down's own hold
    p.events->Resume();
  };
  Run();
  EXPECT_TRUE(platform.events->Suspended());
}

TEST_F(LifecycleTest, WindowThatCannotBeMadeIsFatal) {
  platform.createSucceeds = false;
  EXPECT_EQ(Run(), kFatalExitCode);
  EXPECT_EQ(platform.log,
            (Log{"pending", "create",
                 "box 错误: 运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n",
                 "release windows", "release resources, 2 blocks", "exit -1"}));
}

TEST_F(LifecycleTest, FailedGrowthWhileDrawingEndsTheRunAtOnce) {
  FailingHeap failing(heap, 3);  // 8, 1024, then the first growth
  platform.inLoop = [](FakePlatform& p) { p.Drag(100); };
  platform.whileBoxIsUp = [](FakePlatform& p) {
    p.Drag(5);  // the box runs its own loop: nothing may be drawn
    p.events->Raise(ControlId::Clock1, Event::Tick);
  };
  EXPECT_EQ(Run(failing), kFatalExitCode);
  ASSERT_GE(platform.log.size(), 4u);
  const Log tail(platform.log.end() - 4, platform.log.end());
  EXPECT_EQ(tail,
            (Log{"box 错误: 运行时出错!\r\n\r\n错误信息：分配 1536 字节内存失败!\r\n",
                 "release windows", "release resources, 2 blocks", "exit -1"}));
  // 1 press + 64 recorded moves + the move whose segment found no room.
  EXPECT_EQ(platform.log[platform.log.size() - 5], "line 63,9-64,9");
}

// Every memory request fails once, in turn, until a run needs no failure.
TEST_F(LifecycleTest, EveryAllocationFailingOnceEndsInExactlyOneReport) {
  const auto session = [](FakePlatform& p) {
    for (int stroke = 0; stroke < 3; ++stroke) {
      p.Drag(150);
      p.events->Raise(ControlId::Canvas1, Event::LeftUp, {1, 1, 0});
      p.events->Raise(ControlId::Button2, Event::Clicked);
      if (stroke == 1) p.events->Raise(ControlId::Button1, Event::Clicked);
    }
  };
  // Input while the box is up must reach nothing.
  const auto whileBoxIsUp = [](FakePlatform& p) {
    if (p.events == nullptr) return;  // the recorder itself could not be made
    p.Drag(5);
    p.events->Raise(ControlId::Clock1, Event::Tick);
    p.events->Raise(ControlId::Button2, Event::Clicked);
    p.events->Raise(ControlId::Button1, Event::Clicked);
  };
  for (std::int64_t n = 1;; ++n) {
    SCOPED_TRACE(n);
    CountingHeap h;
    FailingHeap failing(h, n);
    RequestSizes requests(failing);
    FakePlatform p(h);
    p.inLoop = session;
    p.whileBoxIsUp = whileBoxIsUp;
    int code = 0;
    try {
      code = RunProgram(p, requests);
    } catch (const ProcessExit& e) {
      code = e.code;
    }
    if (failing.requests() < n) {
      EXPECT_EQ(code, 0);
      EXPECT_GT(n, 5);
      break;
    }
    int boxes = 0;
    for (const std::string& line : p.log) boxes += line.rfind("box ", 0) == 0;
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(code, kFatalExitCode);
    // The report names the exact size of the refused request, and nothing is
    // drawn between it and the end.
    ASSERT_EQ(requests.sizes.size(), static_cast<std::size_t>(n));
    ASSERT_GE(p.log.size(), 4u);
    const Log tail(p.log.end() - 4, p.log.end());
    EXPECT_EQ(tail[0],
              "box 错误: " + FatalErrorText(AllocationFailureMessage(
                                 static_cast<std::int64_t>(requests.sizes.back()))));
    EXPECT_EQ(tail[1], "release windows");
    EXPECT_EQ(tail[2].rfind("release resources, ", 0), 0u);
    EXPECT_EQ(tail[3], "exit -1");
    // The exit routine did not run: the recorder still held its blocks.
    if (n > 1) {
      EXPECT_NE(tail[2], "release resources, 0 blocks");
    }
  }
}

TEST_F(LifecycleTest, ExitRoutineRunsOnceHoweverOftenShutDownRuns) {
  EventDispatcher events;
  Lifecycle lifecycle(platform, events);
  int runs = 0;
  lifecycle.SetExitRoutine([&runs] { ++runs; });
  lifecycle.ShutDown();
  lifecycle.ShutDown();
  EXPECT_EQ(runs, 1);
}

TEST(FatalErrorTextTest, ComposedText) {
  EXPECT_EQ(FatalErrorText(""), "运行时出错!\r\n\r\n");
  EXPECT_EQ(FatalErrorText("分配 8 字节内存失败!"),
            "运行时出错!\r\n\r\n错误信息：分配 8 字节内存失败!\r\n");
}

}  // namespace
}  // namespace veskaro
