#include "session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace veskaro::e2e {

using namespace std::chrono_literals;

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

namespace {

pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            int outFd, int keepFd = -1) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  setpgid(0, 0);
  const int null = open("/dev/null", O_RDWR);
  dup2(null, 0);
  dup2(outFd >= 0 ? outFd : null, 1);
  dup2(outFd >= 0 ? outFd : null, 2);
  for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  if (keepFd >= 0) fcntl(keepFd, F_SETFD, 0);
  execvp(args[0], args.data());
  _exit(127);
}

void Stop(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

std::string Property(Display* d, Window w, Atom name, Atom type) {
  Atom actual;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string out;
  if (XGetWindowProperty(d, w, name, 0, 256, False, type, &actual, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    out.assign(reinterpret_cast<char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  return out;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

XServer::XServer(bool windowManager) {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe");
  xvfb_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                 "1024x768x24", "-nolisten", "tcp"},
                {}, -1, fds[1]);
  close(fds[1]);
  // Xvfb writes the display number and a newline once it listens.
  std::string number;
  char c = 0;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start");
  name_ = ":" + number;
  if (!windowManager) return;
  wm_ = Spawn({"openbox"}, {"DISPLAY=" + name_}, -1);
  Display* d = XOpenDisplay(name_.c_str());
  const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
  WaitUntil([&] { return !Property(d, DefaultRootWindow(d), check, XA_WINDOW).empty(); });
  XCloseDisplay(d);
}

XServer::~XServer() {
  Stop(wm_);
  Stop(xvfb_);
}

void XServer::Kill() { Stop(xvfb_); }

Program::Program(const XServer& server, const std::string& exe,
                 std::vector<std::string> environment) {
  char path[] = "/tmp/veskaro-e2e-XXXXXX";
  const int fd = mkstemp(path);
  errFile_ = path;
  environment.push_back("DISPLAY=" + server.name());
  pid_ = Spawn({exe}, environment, fd);
  close(fd);
}

Program::~Program() {
  if (!exited_) Stop(pid_);
  unlink(errFile_.c_str());
}

bool Program::Running() {
  if (exited_) return false;
  if (waitpid(pid_, &status_, WNOHANG) == pid_) exited_ = true;
  return !exited_;
}

int Program::WaitForExit(std::chrono::milliseconds limit) {
  if (!WaitUntil([&] { return !Running(); }, limit)) return -1000;
  if (WIFSIGNALED(status_)) return -WTERMSIG(status_);
  return WEXITSTATUS(status_);
}

std::string Program::Stderr() const {
  std::ifstream in(errFile_);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int Capture::CountBlack() const {
  int n = 0;
  for (const Rgb& p : pixels) n += p.black();
  return n;
}

bool Capture::operator==(const Capture& o) const {
  if (width != o.width || height != o.height) return false;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Rgb& a = pixels[i];
    const Rgb& b = o.pixels[i];
    if (a.r != b.r || a.g != b.g || a.b != b.b) return false;
  }
  return true;
}

void Capture::SavePpm(const std::string& path) const {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << width << " " << height << "\n255\n";
  for (const Rgb& p : pixels)
    out.put(static_cast<char>(p.r))
        .put(static_cast<char>(p.g))
        .put(static_cast<char>(p.b));
}

Driver::Driver(const XServer& server) : display_(XOpenDisplay(server.name().c_str())) {
  if (display_ == nullptr) throw std::runtime_error("cannot open " + server.name());
  XSetErrorHandler(IgnoreErrors);  // windows vanish while we look at them
}

Driver::~Driver() { XCloseDisplay(display_); }

Window Driver::FindWindow(const std::string& title, std::chrono::milliseconds limit) {
  const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
  Window found = 0;
  std::function<void(Window)> search = [&](Window w) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, w, &a) && a.map_state == IsViewable &&
        (Property(display_, w, netName, utf8) == title ||
         Property(display_, w, XA_WM_NAME, XA_STRING) == title)) {
      found = w;
      return;
    }
    Window root, parent, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(display_, w, &root, &parent, &children, &n)) return;
    for (unsigned i = 0; i < n && found == 0; ++i) search(children[i]);
    if (children != nullptr) XFree(children);
  };
  WaitUntil(
      [&] {
        search(DefaultRootWindow(display_));
        return found != 0;
      },
      limit);
  return found;
}

void Driver::Origin(Window w, int& x, int& y) {
  Window child;
  XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
}

void Driver::MoveTo(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  Sync();
}

void Driver::Press(unsigned button) {
  XTestFakeButtonEvent(display_, button, True, CurrentTime);
  Sync();
}

void Driver::Release(unsigned button) {
  XTestFakeButtonEvent(display_, button, False, CurrentTime);
  Sync();
}

void Driver::Click(int x, int y) {
  MoveTo(x, y);
  Press();
  Release();
}

void Driver::Key(const std::string& name, const std::vector<std::string>& held) {
  auto code = [&](const std::string& n) {
    return XKeysymToKeycode(display_, XStringToKeysym(n.c_str()));
  };
  for (const std::string& h : held)
    XTestFakeKeyEvent(display_, code(h), True, CurrentTime);
  XTestFakeKeyEvent(display_, code(name), True, CurrentTime);
  XTestFakeKeyEvent(display_, code(name), False, CurrentTime);
  for (auto it = held.rbegin(); it != held.rend(); ++it) {
    XTestFakeKeyEvent(display_, code(*it), False, CurrentTime);
  }
  Sync();
}

Capture Driver::Grab(int x, int y, int width, int height) {
  Capture c;
  c.width = width;
  c.height = height;
  XImage* image =
      XGetImage(display_, DefaultRootWindow(display_), x, y, static_cast<unsigned>(width),
                static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) throw std::runtime_error("XGetImage failed");
  c.pixels.reserve(static_cast<std::size_t>(width * height));
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      const unsigned long p = XGetPixel(image, i, j);
      c.pixels.push_back({static_cast<std::uint8_t>(p >> 16),
                          static_cast<std::uint8_t>(p >> 8),
                          static_cast<std::uint8_t>(p)});
    }
  }
  XDestroyImage(image);
  return c;
}

void Driver::Sync() { XSync(display_, False); }

}  // namespace veskaro::e2e
