#pragma once

#include <memory>
#include <string>

#include "tests/e2e/harness/child_process.h"
#include "tests/e2e/harness/temp_dir.h"

namespace veskaro::e2e {

enum class WindowManager { Absent, Openbox };

// A private Xvfb on a display of its own (1024 x 768 x 24), so that tests can
// run side by side; optionally with openbox managing it.
class XvfbServer {
 public:
  explicit XvfbServer(WindowManager manager = WindowManager::Absent);
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", for DISPLAY.
  const std::string& display() const { return display_; }
  const std::filesystem::path& folder() const { return folder_.path(); }

  static constexpr int kWidth = 1024, kHeight = 768;

 private:
  void StartServer();
  void StartOpenbox();

  TempDir folder_;
  std::string display_;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ChildProcess> openbox_;
};

}  // namespace veskaro::e2e
