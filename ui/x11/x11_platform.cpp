#include "ui/x11/x11_platform.h"

#include <cstdio>
#include <cstdlib>

#include <fontconfig/fontconfig.h>

#include "ui/timer.h"
#include "ui/window_description.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_event_loop.h"
#include "ui/x11/x11_fatal_box.h"
#include "ui/x11/x11_form.h"
#include "ui/x11/x11_resources.h"
#include "ui/x11/x11_timer.h"
#include "ui/x11/x11_xsettings.h"

namespace veskaro::x11 {

// Everything the platform holds, in creation order, so that members go in
// reverse: the windows, then the resources, then the connection.
class X11Platform::Backend final : public EventSink {
 public:
  bool Open() {
    connection_ = Connection::Open();
    if (connection_) doubleClicks_ = ReadDoubleClickSettings(*connection_);
    return connection_ != nullptr;
  }

  bool CreateMainWindow(EventDispatcher& events) {
    if (!connection_) return false;
    events_ = &events;
    const unsigned long errors = Connection::ErrorCount();
    form_ =
        std::make_unique<Form>(*connection_, EnsureResources(), events, doubleClicks_);
    // Creation errors arrive later; the round trip collects them now.
    XSync(connection_->display(), False);
    if (Connection::ErrorCount() != errors) {
      form_.reset();
      return false;
    }
    timer_.OnWindowCreated();
    return true;
  }

  void ProcessPending() {
    if (connection_) DrainEvents(connection_->display(), *this);
  }
  void Show() {
    if (form_) form_->Show();
  }
  int Run() {
    if (connection_) RunEvents(*connection_, platformTimer_.schedule(), *this);
    return 0;  // the quit code of a closed window
  }

  void FatalBox(std::string_view caption, std::string_view text) {
    if (!connection_) return;
    RunFatalBox(*connection_, EnsureResources().palette(), caption, text,
                [this](XEvent& e) {
                  if (form_) form_->DispatchBehindBox(e);
                });
  }

  void DestroyWindows() noexcept {
    if (!form_) return;
    if (events_ != nullptr) events_->Raise(ControlId::MainWindow, Event::WillBeDestroyed);
    timer_.OnWindowDestroyed();
    form_.reset();
  }
  void Release() noexcept {
    DestroyWindows();
    resources_.reset();
    if (!connection_) return;
    connection_.reset();
    // Xft loaded fontconfig's configuration for us; nothing uses it now.
    FcFini();
  }
  void Flush() {
    if (connection_) XFlush(connection_->display());
  }

  Canvas* canvas() noexcept { return form_ ? &form_->canvas() : nullptr; }
  Timer& timer() noexcept { return timer_; }

  // EventSink
  void Dispatch(XEvent& event) override {
    if (!form_) return;  // events for windows that are gone
    form_->Dispatch(event);
    if (form_->closed()) Close();
  }
  void Tick() override {
    if (events_ != nullptr) events_->Raise(ControlId::Clock1, Event::Tick);
  }
  bool Finished() const override { return finished_; }

 private:
  Resources& EnsureResources() {
    if (!resources_)
      resources_ = std::make_unique<Resources>(*connection_, kWindowDescription);
    return *resources_;
  }
  // Closing destroys the window, and with the last window the loop ends.
  void Close() {
    DestroyWindows();
    finished_ = true;
  }

  std::unique_ptr<Connection> connection_;
  DoubleClickSettings doubleClicks_;
  std::unique_ptr<Resources> resources_;
  ScheduledTimer platformTimer_;
  Timer timer_{platformTimer_, kWindowDescription.timer.period};
  std::unique_ptr<Form> form_;
  EventDispatcher* events_ = nullptr;
  bool finished_ = false;
};

X11Platform::X11Platform() : backend_(std::make_unique<Backend>()) {}
X11Platform::~X11Platform() = default;

bool X11Platform::Open() { return backend_->Open(); }
std::string X11Platform::DisplayName() { return Connection::DisplayName(); }

bool X11Platform::CreateMainWindow(EventDispatcher& events) {
  return backend_->CreateMainWindow(events);
}
void X11Platform::ProcessPendingNotifications() { backend_->ProcessPending(); }
void X11Platform::ShowMainWindow() { backend_->Show(); }
int X11Platform::RunEventLoop() { return backend_->Run(); }

void X11Platform::ShowFatalBox(std::string_view caption, std::string_view text) {
  std::string plain;
  for (const char c : text) {
    if (c != '\r') plain += c;
  }
  std::fputs(plain.c_str(), stderr);
  std::fflush(stderr);
  backend_->FatalBox(caption, text);
}

void X11Platform::ReleaseWindowRecords() noexcept { backend_->DestroyWindows(); }
void X11Platform::ReleaseResources() noexcept { backend_->Release(); }

void X11Platform::ExitProcess(int code) {
  backend_->Flush();
  std::fflush(nullptr);
  std::exit(code);
}

void X11Platform::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                           std::int32_t y2) {
  if (Canvas* canvas = backend_->canvas()) canvas->DrawLine(x1, y1, x2, y2);
}
void X11Platform::ClearCanvas() {
  if (Canvas* canvas = backend_->canvas()) canvas->Clear();
}
void X11Platform::SetTimerPeriod(std::int32_t ms) { backend_->timer().SetPeriod(ms); }

}  // namespace veskaro::x11
