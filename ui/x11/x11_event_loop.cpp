#include "ui/x11/x11_event_loop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace veskaro::x11 {

namespace {

// Sleeps until the connection is readable or the tick is due. The caller
// has just seen XPending return 0, and XPending flushed: calling XFlush here
// could pull an event into Xlib's queue, and the loop would sleep on it.
void Wait(int fd, const TickSchedule& schedule) {
  pollfd connection{fd, POLLIN, 0};
  timespec timeout{};
  timespec* limit = nullptr;
  if (schedule.running()) {
    const std::int64_t left = std::max<std::int64_t>(schedule.due() - MonotonicNow(), 0);
    timeout.tv_sec = static_cast<time_t>(left / 1'000'000'000);
    timeout.tv_nsec = static_cast<long>(left % 1'000'000'000);
    limit = &timeout;
  }
  // A hang-up shows as readable; the next XPending then meets the lost
  // connection and its handler ends the program.
  ppoll(&connection, 1, limit, nullptr);
}

}  // namespace

void DrainEvents(Display* display, EventSink& sink) {
  while (!sink.Finished() && XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    sink.Dispatch(event);
  }
}

void RunEvents(const Connection& connection, TickSchedule& schedule, EventSink& sink) {
  while (!sink.Finished()) {
    DrainEvents(connection.display(), sink);
    if (sink.Finished()) return;
    if (schedule.TakeDue(MonotonicNow())) {
      sink.Tick();
      continue;  // back through XPending, which flushes what the tick drew
    }
    Wait(connection.fd(), schedule);
  }
}

void TakeNewestMove(Display* display, XMotionEvent& move) {
  while (XEventsQueued(display, QueuedAfterReading) > 0) {
    XEvent next;
    XPeekEvent(display, &next);
    if (next.type != MotionNotify || next.xmotion.window != move.window ||
        next.xmotion.send_event) {
      return;
    }
    XNextEvent(display, &next);
    move = next.xmotion;
  }
}

}  // namespace veskaro::x11
