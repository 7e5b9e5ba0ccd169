#include "app/lifecycle.h"

#include <cstdlib>

#include "app/failing_heap.h"
#include "app/test_hooks.h"
#include "recorder/recorder.h"

namespace veskaro {

std::string FatalErrorText(std::string_view message) {
  std::string text = "运行时出错!\r\n\r\n";
  if (!message.empty()) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

void Lifecycle::Suspend() {
  platform_.ProcessPendingNotifications();
  events_.Suspend();
}

void Lifecycle::Resume() {
  platform_.ProcessPendingNotifications();
  events_.Resume();
}

void Lifecycle::LoadStartupWindow() {
  Suspend();
  if (test_hooks::WindowCreationFails() || !platform_.CreateMainWindow(events_)) {
    ReportFatalError("载入启动窗口失败");
  }
  Resume();
  events_.Raise(ControlId::MainWindow, Event::Created);
  events_.Raise(ControlId::MainWindow, Event::PositionChanged);
  events_.Raise(ControlId::MainWindow, Event::SizeChanged);
  platform_.ShowMainWindow();
}

void Lifecycle::ShutDown() noexcept {
  events_.Suspend();
  platform_.ReleaseWindowRecords();
  if (exitRoutine_) {
    auto routine = std::move(exitRoutine_);
    exitRoutine_ = nullptr;
    routine();
  }
  platform_.ReleaseResources();
}

void Lifecycle::ReportFatalError(std::string_view message) {
  events_.Suspend();
  platform_.ShowFatalBox("错误", FatalErrorText(message));
  exitRoutine_ = nullptr;
  ShutDown();
  platform_.ExitProcess(kFatalExitCode);
  std::abort();  // unreachable unless the platform fails to end the process
}

int RunProgram(Platform& platform, HeapPort& heap) {
  EventDispatcher events;
  Lifecycle lifecycle(platform, events);
  FailingHeap hooked(heap, test_hooks::FailingAllocation());
  Memory memory(hooked, lifecycle);
  Recorder recorder(platform, memory);
  events.Attach(recorder);
  lifecycle.SetExitRoutine([&recorder] { recorder.OnProgramExit(); });
  lifecycle.LoadStartupWindow();
  const int code = platform.RunEventLoop();
  lifecycle.ShutDown();
  return code;
}

}  // namespace veskaro
