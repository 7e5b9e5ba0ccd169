#include "reference_model.h"

namespace veskaro::model {

std::string ToString(const Call& c) {
  auto n = [](std::int32_t v) { return std::to_string(v); };
  switch (c.kind) {
    case Call::Line:
      return "line " + n(c.a) + "," + n(c.b) + "-" + n(c.c) + "," + n(c.d);
    case Call::Clear:
      return "clear";
    case Call::Period:
      return "period " + n(c.a);
    case Call::PlatformSet:
      return "platform set " + n(c.a);
    case Call::PlatformKill:
      return "platform kill";
  }
  return "?";
}

void ReferenceModel::Raise(Element el, EventKind ev, std::int32_t x, std::int32_t y) {
  using E = Element;
  using K = EventKind;
  if (suspension > 0) return;
  if (el == E::MainWindow && ev == K::Created) mode = kReady;
  if (el == E::Clock1 && ev == K::Tick) Tick();
  if (el == E::Button2 && ev == K::Clicked) Play();
  if (el == E::Button1 && ev == K::Clicked) Clear();
  if (el == E::Canvas1 && ev == K::LeftDown) Press(x, y);
  if (el == E::Canvas1 && ev == K::MouseMove) Move(x, y);
  if (el == E::Canvas1 && ev == K::LeftUp) Release(x, y);
}

void ReferenceModel::Press(std::int32_t x, std::int32_t y) {
  if (mode == kPlaying) return;
  lastX = x, lastY = y;
  mode = kDrawing;
  calls.push_back({Call::Line, x, y, x, y});
}

void ReferenceModel::Move(std::int32_t x, std::int32_t y) {
  if (mode != kDrawing) return;
  DrawAndRecord(x, y);
  lastX = x, lastY = y;
}

void ReferenceModel::Release(std::int32_t x, std::int32_t y) {
  if (mode != kDrawing) return;
  DrawAndRecord(x, y);
  mode = kReady;
}

void ReferenceModel::DrawAndRecord(std::int32_t x, std::int32_t y) {
  calls.push_back({Call::Line, lastX, lastY, x, y});
  recording.push_back({lastX, lastY, x, y});
}

void ReferenceModel::Play() {
  playPosition = 0;
  mode = kPlaying;
  calls.push_back({Call::Clear});
  SetTimerPeriod(15);
}

void ReferenceModel::Clear() {
  SetTimerPeriod(0);
  calls.push_back({Call::Clear});
  recording.clear();
  mode = kReady;
}

void ReferenceModel::Tick() {
  ++playPosition;
  if (playPosition > static_cast<std::int64_t>(recording.size())) {
    SetTimerPeriod(0);
    mode = kReady;
    return;
  }
  const Line& s = recording[playPosition - 1];
  calls.push_back({Call::Line, s.x1, s.y1, s.x2, s.y2});
}

void ReferenceModel::SetTimerPeriod(std::int32_t ms) {
  calls.push_back({Call::Period, ms});
  const std::int32_t value = ms < 0 ? 0 : ms;
  if (value == period) return;
  period = value;
  if (running) calls.push_back({Call::PlatformKill});
  running = period > 0;
  if (running) calls.push_back({Call::PlatformSet, period});
}

void ReferenceModel::TimerWindowCreated() {
  if (period <= 0) return;
  calls.push_back({Call::PlatformSet, period});
  running = true;
}

void ReferenceModel::TimerWindowDestroyed() {
  if (!running) return;
  calls.push_back({Call::PlatformKill});
  running = false;
}

}  // namespace veskaro::model
