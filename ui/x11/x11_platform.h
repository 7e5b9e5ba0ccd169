#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/platform.h"

namespace veskaro::x11 {

// The Platform over Xlib. Its X state stays behind this header.
class X11Platform final : public Platform {
 public:
  X11Platform();
  ~X11Platform();
  X11Platform(const X11Platform&) = delete;
  X11Platform& operator=(const X11Platform&) = delete;

  // The windowing layer's first step: false when there is no display.
  bool Open();
  // The display Open tries, for the message when it fails.
  static std::string DisplayName();

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
  class Backend;
  std::unique_ptr<Backend> backend_;
};

}  // namespace veskaro::x11
