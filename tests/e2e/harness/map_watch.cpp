#include "tests/e2e/harness/map_watch.h"

namespace veskaro::e2e {

MapWatch::MapWatch(const XDisplay& display) : display_(display) {
  XSelectInput(display.get(), display.root(), SubstructureNotifyMask);
  display.Sync();
}

const std::vector<Window>& MapWatch::Mapped() {
  display_.Sync();
  while (XPending(display_.get()) > 0) {
    XEvent event;
    XNextEvent(display_.get(), &event);
    if (event.type == MapNotify && event.xmap.event == display_.root()) {
      mapped_.push_back(event.xmap.window);
    }
  }
  return mapped_;
}

}  // namespace veskaro::e2e
