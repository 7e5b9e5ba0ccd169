#include "ui/x11/x11_window_hints.h"

#include <unistd.h>

#include <string>

#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

void SetTitle(const Connection& connection, Window window, std::string_view utf8) {
  Display* d = connection.display();
  const Atoms& a = connection.atoms();
  const std::string title(utf8);
  XChangeProperty(d, window, a.netWmName, a.utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.c_str()),
                  static_cast<int>(title.size()));
  // WM_NAME for older window managers, as compound text where it converts.
  XTextProperty legacy{};
  char* list[] = {const_cast<char*>(title.c_str())};
  if (Xutf8TextListToTextProperty(d, list, 1, XStdICCTextStyle, &legacy) >= Success) {
    XSetWMName(d, window, &legacy);
    XFree(legacy.value);
  }
}

void SetFixedSize(const Connection& connection, Window window, int x, int y, int width,
                  int height) {
  XSizeHints size{};
  // Minimum = maximum: the frame offers no resizing.
  size.flags = PPosition | USPosition | PSize | PMinSize | PMaxSize | PWinGravity;
  size.x = x, size.y = y;
  size.width = size.min_width = size.max_width = width;
  size.height = size.min_height = size.max_height = height;
  size.win_gravity = NorthWestGravity;
  XSetWMNormalHints(connection.display(), window, &size);
}

void SetIdentity(const Connection& connection, Window window, Atom type) {
  Display* d = connection.display();
  const Atoms& a = connection.atoms();
  XWMHints wm{};
  wm.flags = InputHint | StateHint;
  wm.input = True;
  wm.initial_state = NormalState;
  XSetWMHints(d, window, &wm);
  char name[] = "veskaro", className[] = "Veskaro";
  XClassHint classHint{name, className};
  XSetClassHint(d, window, &classHint);
  Atom protocols[] = {a.wmDeleteWindow};
  XSetWMProtocols(d, window, protocols, 1);
  // _NET_WM_PID means something only together with the host name.
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  char* hosts[] = {host};
  XTextProperty machine{};
  if (XStringListToTextProperty(hosts, 1, &machine) != 0) {
    XSetWMClientMachine(d, window, &machine);
    XFree(machine.value);
  }
  const long pid = static_cast<long>(getpid());
  XChangeProperty(d, window, a.netWmPid, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  const long kind = static_cast<long>(type);
  XChangeProperty(d, window, a.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&kind), 1);
}

}  // namespace veskaro::x11
