#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "app/platform.h"
#include "ui/win32/handles.h"
#include "ui/win32/input_filter.h"
#include "ui/win32/main_window.h"
#include "ui/win32/window_classes.h"

namespace veskaro::win32 {

// The windowing layer on Win32: USER32 windows, GDI drawing, the message
// loop, the fatal box and the process's end.
class Win32Platform final : public Platform {
 public:
  // Registers the window classes and loads the program icon.
  explicit Win32Platform(HINSTANCE instance) noexcept;
  ~Win32Platform();

  bool CreateMainWindow(EventDispatcher& events) override;
  void ProcessPendingNotifications() override;
  void ShowMainWindow() override;
  int RunEventLoop() override;
  void ShowFatalBox(std::string_view caption, std::string_view text) override;
  void ReleaseWindowRecords() noexcept override;
  void ReleaseResources() noexcept override;
  [[noreturn]] void ExitProcess(int code) override;

  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2) override;
  void ClearCanvas() override;
  void SetTimerPeriod(std::int32_t ms) override;

 private:
  void Route(const MSG& message);

  HINSTANCE instance_;
  std::optional<WindowClasses> classes_;
  UniqueIcon icon_;
  std::optional<InputFilter> filter_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace veskaro::win32
