#include "ui/event_dispatcher.h"

namespace veskaro {

void EventDispatcher::Raise(ControlId control, Event event, PointerArgs args) {
  if (Suspended() || recorder_ == nullptr) return;
  for (const EventBinding& b : bindings_) {
    if (b.control == control && b.event == event) {
      Call(b.handler, args);
      return;
    }
  }
}

void EventDispatcher::Call(Handler handler, PointerArgs a) {
  Recorder& r = *recorder_;
  switch (handler) {
    case Handler::OnWindowCreated:
      return r.OnWindowCreated();
    case Handler::OnTimerTick:
      return r.OnTimerTick();
    case Handler::OnPlayClicked:
      return r.OnPlayClicked();
    case Handler::OnClearClicked:
      return r.OnClearClicked();
    case Handler::OnCanvasLeftDown:
      return r.OnCanvasLeftDown(a.x, a.y, a.keys);
    case Handler::OnCanvasLeftUp:
      return r.OnCanvasLeftUp(a.x, a.y, a.keys);
    case Handler::OnCanvasMouseMove:
      return r.OnCanvasMouseMove(a.x, a.y, a.keys);
  }
}

}  // namespace veskaro
