#pragma once

#include "ui/tick_schedule.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// Where the loop hands what it takes.
class EventSink {
 public:
  virtual void Dispatch(XEvent& event) = 0;
  virtual void Tick() = 0;
  virtual bool Finished() const = 0;

 protected:
  ~EventSink() = default;
};

// Handles every event already waiting, without blocking.
void DrainEvents(Display* display, EventSink& sink);

// Until the sink is finished: every waiting event first; then a tick if one
// is due, since ticks come only when no event waits; else sleep until the
// connection has data or the next tick is due.
void RunEvents(const Connection& connection, TickSchedule& schedule, EventSink& sink);

// X queues every move, where Windows hands over only the newest: replaces
// `move` by the last of the moves for the same window that wait directly
// behind it, so a flood of moves never backs the program up.
void TakeNewestMove(Display* display, XMotionEvent& move);

}  // namespace veskaro::x11
