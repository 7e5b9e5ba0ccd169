#include <cstdio>

#include "app/lifecycle.h"
#include "ui/x11/x11_heap.h"
#include "ui/x11/x11_platform.h"

// The command line is ignored.
int main() {
  veskaro::x11::X11Platform platform;
  if (!platform.Open()) {
    std::fprintf(stderr, "veskaro: cannot open the X display \"%s\"; is DISPLAY set?\n",
                 veskaro::x11::X11Platform::DisplayName().c_str());
    return 1;
  }
  veskaro::x11::MallocHeap heap;
  return veskaro::RunProgram(platform, heap);
}
