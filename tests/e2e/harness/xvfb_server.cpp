#include "tests/e2e/harness/xvfb_server.h"

#include <poll.h>
#include <unistd.h>

#include <stdexcept>

#include "tests/e2e/harness/wait.h"
#include "tests/e2e/harness/x_display.h"

namespace veskaro::e2e {

namespace {

// Reads the display number that Xvfb writes once it accepts connections.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd readable{fd, POLLIN, 0};
    if (poll(&readable, 1, 100) <= 0) continue;
    char c = 0;
    if (read(fd, &c, 1) != 1) break;  // Xvfb ended
    if (c == '\n') return number;
    number += c;
  }
  throw std::runtime_error("Xvfb gave no display number");
}

class Pipe {
 public:
  Pipe() {
    if (pipe(fds_) != 0) throw std::runtime_error("pipe failed");
  }
  ~Pipe() {
    CloseWriter();
    close(fds_[0]);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  int reader() const { return fds_[0]; }
  int writer() const { return fds_[1]; }
  void CloseWriter() {
    if (fds_[1] >= 0) close(fds_[1]);
    fds_[1] = -1;
  }

 private:
  int fds_[2] = {-1, -1};
};

// The live manager repeats the check window's id on that window itself.
bool ManagerRunning(XDisplay& x) {
  const std::vector<unsigned long> check =
      x.Cardinals(x.root(), x.Atom("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW);
  if (check.empty()) return false;
  const std::vector<unsigned long> self =
      x.Cardinals(check[0], x.Atom("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW);
  return !self.empty() && self[0] == check[0];
}

}  // namespace

XvfbServer::XvfbServer(WindowManager manager) {
  StartServer();
  if (manager == WindowManager::Openbox) StartOpenbox();
}

XvfbServer::~XvfbServer() {
  openbox_.reset();
  server_.reset();
}

void XvfbServer::StartServer() {
  Pipe displayPipe;
  Launch launch;
  launch.argv = {VESKARO_E2E_XVFB, "-displayfd", std::to_string(displayPipe.writer()),
                 "-screen",        "0",          "1024x768x24",
                 "-nolisten",      "tcp"};
  launch.errors = folder() / "xvfb.log";
  launch.keepOpen = displayPipe.writer();
  server_ = std::make_unique<ChildProcess>(launch);
  displayPipe.CloseWriter();
  display_ = ":" + ReadDisplayNumber(displayPipe.reader());
}

void XvfbServer::StartOpenbox() {
  Launch launch;
  launch.argv = {VESKARO_E2E_OPENBOX};
  // Its own cache and settings folders keep parallel managers apart.
  launch.environment = {{"DISPLAY", display_},
                        {"XDG_CACHE_HOME", (folder() / "cache").string()},
                        {"XDG_CONFIG_HOME", (folder() / "config").string()}};
  launch.errors = folder() / "openbox.log";
  openbox_ = std::make_unique<ChildProcess>(launch);
  XDisplay x(display_);
  if (!WaitUntil([&] { return ManagerRunning(x) || !openbox_->Running(); }) ||
      !openbox_->Running()) {
    throw std::runtime_error("openbox did not start on " + display_);
  }
}

}  // namespace veskaro::e2e
