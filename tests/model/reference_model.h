#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A second, deliberately plain account of the recorder, its event delivery and
// its timer, written from the program's description alone: the oracle that the
// randomized and the fuzz tests hold the real code to. It shares no code with
// the program.
namespace veskaro::model {

enum class Element { MainWindow, Clock1, Button1, Button2, Canvas1 };
inline constexpr int kElements = 5;

enum class EventKind {
  Created,
  PositionChanged,
  SizeChanged,
  Shown,
  CanClose,
  WillBeDestroyed,
  GotFocus,
  LostFocus,
  KeyDown,
  KeyUp,
  Char,
  Clicked,
  Tick,
  LeftDown,
  LeftUp,
  MouseMove,
  DoubleClick,
  RightDown,
  RightUp,
  Wheel,
};
inline constexpr int kEventKinds = 20;

// One call on the canvas, on the timer, or on the platform timer below it.
struct Call {
  enum Kind { Line, Clear, Period, PlatformSet, PlatformKill } kind;
  std::int32_t a = 0, b = 0, c = 0, d = 0;
  friend bool operator==(const Call&, const Call&) = default;
};

std::string ToString(const Call& call);

struct ReferenceModel {
  static constexpr int kPlaying = 0, kReady = 1, kDrawing = 2;
  struct Line {
    std::int32_t x1, y1, x2, y2;
    friend bool operator==(const Line&, const Line&) = default;
  };

  int mode = kPlaying;
  std::int32_t lastX = 0, lastY = 0;
  std::vector<Line> recording;
  std::int32_t playPosition = 0;
  std::int32_t period = 0;  // declared 0: idle until a positive period is set
  bool running = false;
  std::int32_t suspension = 0;
  std::vector<Call> calls;

  void Raise(Element element, EventKind event, std::int32_t x = 0, std::int32_t y = 0);
  void Suspend() { ++suspension; }
  void Resume() { suspension -= suspension > 0; }
  void TimerWindowCreated();
  void TimerWindowDestroyed();

 private:
  void Press(std::int32_t x, std::int32_t y);
  void Move(std::int32_t x, std::int32_t y);
  void Release(std::int32_t x, std::int32_t y);
  void Play();
  void Clear();
  void Tick();
  void DrawAndRecord(std::int32_t x, std::int32_t y);
  void SetTimerPeriod(std::int32_t ms);
};

}  // namespace veskaro::model
