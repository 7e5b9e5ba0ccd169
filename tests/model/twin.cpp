#include "twin.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace veskaro::model {

namespace {

constexpr std::array<ControlId, kElements> kControlOf{
    ControlId::MainWindow, ControlId::Clock1, ControlId::Button1, ControlId::Button2,
    ControlId::Canvas1};

constexpr std::array<Event, kEventKinds> kEventOf{
    Event::Created,     Event::PositionChanged, Event::SizeChanged, Event::Shown,
    Event::CanClose,    Event::WillBeDestroyed, Event::GotFocus,    Event::LostFocus,
    Event::KeyDown,     Event::KeyUp,           Event::Char,        Event::Clicked,
    Event::Tick,        Event::LeftDown,        Event::LeftUp,      Event::MouseMove,
    Event::DoubleClick, Event::RightDown,       Event::RightUp,     Event::Wheel};

constexpr std::array<const char*, kElements> kElementNames{"main window", "时钟1",
                                                           "按钮1", "按钮2", "画板1"};
constexpr std::array<const char*, kEventKinds> kEventNames{
    "created",      "position changed",
    "size changed", "shown",
    "can close",    "will be destroyed",
    "got focus",    "lost focus",
    "key down",     "key up",
    "char",         "clicked",
    "tick",         "left down",
    "left up",      "mouse move",
    "double click", "right down",
    "right up",     "wheel"};

std::string Join(const std::vector<Call>& calls) {
  std::string out = "[";
  for (const Call& c : calls) out += (out.size() > 1 ? "; " : "") + ToString(c);
  return out + "]";
}

}  // namespace

std::string ToString(const Input& in) {
  switch (in.kind) {
    case Input::PlatformTick:
      return "platform tick";
    case Input::Suspend:
      return "suspend";
    case Input::Resume:
      return "resume";
    case Input::Raise:
      break;
  }
  std::ostringstream out;
  out << "raise " << kElementNames[static_cast<int>(in.element)] << " "
      << kEventNames[static_cast<int>(in.event)] << " (" << in.x << ", " << in.y
      << ", keys " << in.keys << ")";
  return out.str();
}

Twin::Twin()
    : timer_(screen_, kWindowDescription.timer.period), recorder_(screen_, memory_) {
  screen_.timer = &timer_;
  events_.Attach(recorder_);
  timer_.OnWindowCreated();
  model_.TimerWindowCreated();
}

Twin::~Twin() = default;

std::string Twin::Apply(const Input& in) {
  switch (in.kind) {
    case Input::Raise:
      events_.Raise(kControlOf[static_cast<int>(in.element)],
                    kEventOf[static_cast<int>(in.event)], {in.x, in.y, in.keys});
      model_.Raise(in.element, in.event, in.x, in.y);
      break;
    case Input::PlatformTick:
      if (screen_.set) events_.Raise(ControlId::Clock1, Event::Tick);
      if (model_.running) model_.Raise(Element::Clock1, EventKind::Tick);
      break;
    case Input::Suspend:
      events_.Suspend();
      model_.Suspend();
      break;
    case Input::Resume:
      events_.Resume();
      model_.Resume();
      break;
  }
  return Compare();
}

std::string Twin::Finish() {
  timer_.OnWindowDestroyed();
  model_.TimerWindowDestroyed();
  return Compare();
}

std::string Twin::Compare() {
  std::string diff;
  if (screen_.calls != model_.calls) {
    diff = "calls: real " + Join(screen_.calls) + ", model " + Join(model_.calls) + "\n";
  }
  screen_.calls.clear();
  model_.calls.clear();
  return diff + CompareState();
}

Twin::State Twin::RealState() const {
  const Recording& rec = recorder_.recording();
  State s{static_cast<int>(recorder_.mode()),
          recorder_.lastPoint().x,
          recorder_.lastPoint().y,
          rec.Count(),
          {},
          recorder_.playPosition(),
          timer_.period(),
          timer_.running(),
          screen_.set,
          events_.Suspended()};
  if (s.count > 0) {
    const Segment& last = rec.At(rec.Count());
    s.last = {last.start.x, last.start.y, last.end.x, last.end.y};
  }
  return s;
}

Twin::State Twin::ModelState() const {
  const ReferenceModel& m = model_;
  State s{
      m.mode,    m.lastX,         m.lastY,  static_cast<std::int64_t>(m.recording.size()),
      {},        m.playPosition,  m.period, m.running,
      m.running, m.suspension > 0};
  if (s.count > 0) s.last = m.recording.back();
  return s;
}

std::string Twin::CompareState() const {
  const State real = RealState(), expected = ModelState();
  if (real == expected) return {};
  std::ostringstream out;
  auto line = [](const ReferenceModel::Line& l) {
    return ToString(Call{Call::Line, l.x1, l.y1, l.x2, l.y2});
  };
  auto check = [&out](const char* what, auto r, auto e) {
    if (r != e) out << what << ": real " << r << ", model " << e << "\n";
  };
  check("mode", real.mode, expected.mode);
  check("lastPoint.x", real.lastX, expected.lastX);
  check("lastPoint.y", real.lastY, expected.lastY);
  check("count", real.count, expected.count);
  check("last segment", line(real.last), line(expected.last));
  check("playPosition", real.playPosition, expected.playPosition);
  check("period", real.period, expected.period);
  check("running", real.running, expected.running);
  check("platform timer set", real.platformSet, expected.platformSet);
  check("suspended", real.suspended, expected.suspended);
  return out.str();
}

void Twin::Screen::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                            std::int32_t y2) {
  calls.push_back({Call::Line, x1, y1, x2, y2});
}

void Twin::Screen::ClearCanvas() { calls.push_back({Call::Clear}); }

void Twin::Screen::SetTimerPeriod(std::int32_t ms) {
  calls.push_back({Call::Period, ms});
  timer->SetPeriod(ms);
}

void Twin::Screen::Start(std::int32_t periodMs) {
  calls.push_back({Call::PlatformSet, periodMs});
  set = true;
}

void Twin::Screen::Stop() {
  calls.push_back({Call::PlatformKill});
  set = false;
}

void* Twin::Heap::Allocate(std::size_t bytes) noexcept { return std::malloc(bytes); }

void* Twin::Heap::Reallocate(void* block, std::size_t bytes) noexcept {
  return std::realloc(block, bytes);
}

void Twin::Heap::Free(void* block) noexcept { std::free(block); }

void Twin::Fatal::ReportFatalError(std::string_view message) {
  std::fprintf(stderr, "unexpected fatal report: %.*s\n",
               static_cast<int>(message.size()), message.data());
  std::abort();
}

}  // namespace veskaro::model
