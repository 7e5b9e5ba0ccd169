#include "recorder/recorder.h"

#include <new>

namespace veskaro {

namespace {

Point* NewPoint(Memory& memory) { return new (memory.Allocate(sizeof(Point))) Point{}; }

}  // namespace

Recorder::Recorder(ScreenPort& screen, Memory& memory)
    : screen_(screen),
      lastPoint_(NewPoint(memory), Release{&memory}),
      recording_(memory) {}

Recorder::~Recorder() { OnProgramExit(); }

void Recorder::OnWindowCreated() { mode_ = RecorderMode::Ready; }

void Recorder::OnCanvasLeftDown(std::int32_t x, std::int32_t y, std::int32_t /*keys*/) {
  if (mode_ == RecorderMode::Playing) return;
  *lastPoint_ = Point{x, y};
  mode_ = RecorderMode::Drawing;
  screen_.DrawLine(x, y, x, y);
}

void Recorder::OnCanvasMouseMove(std::int32_t x, std::int32_t y, std::int32_t /*keys*/) {
  if (mode_ != RecorderMode::Drawing) return;
  DrawAndRecord(Point{x, y});
  *lastPoint_ = Point{x, y};
}

void Recorder::OnCanvasLeftUp(std::int32_t x, std::int32_t y, std::int32_t /*keys*/) {
  if (mode_ != RecorderMode::Drawing) return;
  DrawAndRecord(Point{x, y});
  mode_ = RecorderMode::Ready;
}

void Recorder::OnPlayClicked() {
  playPosition_ = 0;
  mode_ = RecorderMode::Playing;
  screen_.ClearCanvas();
  screen_.SetTimerPeriod(PLAYBACK_PERIOD_MS);
}

void Recorder::OnClearClicked() {
  screen_.SetTimerPeriod(0);
  screen_.ClearCanvas();
  recording_.DiscardAll();
  mode_ = RecorderMode::Ready;
}

void Recorder::OnTimerTick() {
  ++playPosition_;
  if (playPosition_ > recording_.Count()) {
    screen_.SetTimerPeriod(0);
    mode_ = RecorderMode::Ready;
    return;
  }
  const Segment& s = recording_.At(playPosition_);
  screen_.DrawLine(s.start.x, s.start.y, s.end.x, s.end.y);
}

void Recorder::OnProgramExit() noexcept {
  lastPoint_.reset();
  recording_.DiscardAll();
}

void Recorder::DrawAndRecord(Point to) {
  const Point from = *lastPoint_;
  screen_.DrawLine(from.x, from.y, to.x, to.y);
  recording_.Append(Segment{from, to});
}

}  // namespace veskaro
