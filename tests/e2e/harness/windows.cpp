#include "tests/e2e/harness/windows.h"

#include <X11/Xutil.h>

namespace veskaro::e2e {

namespace {

bool IsSelfOrInside(const XDisplay& x, Window inner, Window outer) {
  while (inner != None && inner != PointerRoot) {
    if (inner == outer) return true;
    Window root = None, parent = None, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(x.get(), inner, &root, &parent, &children, &count)) return false;
    if (children != nullptr) XFree(children);
    if (inner == root) return false;
    inner = parent;
  }
  return false;
}

void CollectByTitle(const XDisplay& x, Window window, const std::string& title,
                    std::vector<Window>& found) {
  const std::optional<std::string> name = NetWmName(x, window);
  if (name ? *name == title : WmName(x, window) == title) found.push_back(window);
  for (const Window child : Children(x, window)) CollectByTitle(x, child, title, found);
}

}  // namespace

std::optional<std::string> NetWmName(const XDisplay& x, Window window) {
  return x.Text(window, x.Atom("_NET_WM_NAME"), x.Atom("UTF8_STRING"));
}

std::optional<std::string> WmName(const XDisplay& x, Window window) {
  XTextProperty property{};
  if (!XGetWMName(x.get(), window, &property) || property.value == nullptr) {
    return std::nullopt;
  }
  std::optional<std::string> text;
  char** list = nullptr;
  int count = 0;
  if (Xutf8TextPropertyToTextList(x.get(), &property, &list, &count) >= Success &&
      count > 0) {
    text = list[0];
  }
  if (list != nullptr) XFreeStringList(list);
  XFree(property.value);
  return text;
}

std::vector<Window> FindWindowsByTitle(const XDisplay& x, const std::string& title) {
  std::vector<Window> found;
  CollectByTitle(x, x.root(), title, found);
  return found;
}

std::vector<Window> Children(const XDisplay& x, Window window) {
  Window root = None, parent = None, *children = nullptr;
  unsigned count = 0;
  std::vector<Window> list;
  if (XQueryTree(x.get(), window, &root, &parent, &children, &count) &&
      children != nullptr) {
    list.assign(children, children + count);
    XFree(children);
  }
  return list;
}

bool IsShown(const XDisplay& x, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(x.get(), window, &attributes) &&
         attributes.map_state == IsViewable;
}

std::optional<Rect> Geometry(const XDisplay& x, Window window) {
  Window root = None;
  int left = 0, top = 0;
  unsigned width = 0, height = 0, border = 0, depth = 0;
  if (!XGetGeometry(x.get(), window, &root, &left, &top, &width, &height, &border,
                    &depth)) {
    return std::nullopt;
  }
  return Rect{left, top, static_cast<int>(width), static_cast<int>(height)};
}

std::optional<Rect> RootRect(const XDisplay& x, Window window) {
  const std::optional<Rect> geometry = Geometry(x, window);
  int left = 0, top = 0;
  Window child = None;
  if (!geometry ||
      !XTranslateCoordinates(x.get(), window, x.root(), 0, 0, &left, &top, &child)) {
    return std::nullopt;
  }
  return Rect{left, top, geometry->width, geometry->height};
}

std::optional<FrameExtents> NetFrameExtents(const XDisplay& x, Window window) {
  const std::vector<unsigned long> v =
      x.Cardinals(window, x.Atom("_NET_FRAME_EXTENTS"), XA_CARDINAL);
  if (v.size() != 4) return std::nullopt;
  auto side = [](unsigned long n) { return static_cast<int>(n); };
  return FrameExtents{side(v[0]), side(v[1]), side(v[2]), side(v[3])};
}

bool HasKeyboardFocus(const XDisplay& x, Window window) {
  Window focus = None;
  int revert = 0;
  XGetInputFocus(x.get(), &focus, &revert);
  return IsSelfOrInside(x, focus, window);
}

}  // namespace veskaro::e2e

namespace veskaro::e2e {

namespace {

void SendToRoot(const XDisplay& x, Window window, const char* type, long l0, long l1) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = x.Atom(type);
  e.xclient.format = 32;
  e.xclient.data.l[0] = l0;
  e.xclient.data.l[1] = l1;
  XSendEvent(x.get(), x.root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &e);
  x.Sync();
}

constexpr long kFromPager = 2;  // the source indication of a pager or task bar

}  // namespace

void SendDeleteWindow(const XDisplay& x, Window window) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = x.Atom("WM_PROTOCOLS");
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(x.Atom("WM_DELETE_WINDOW"));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(x.get(), window, False, NoEventMask, &e);
  x.Sync();
}

void AskManagerToActivate(const XDisplay& x, Window window) {
  SendToRoot(x, window, "_NET_ACTIVE_WINDOW", kFromPager, CurrentTime);
}

void AskManagerToClose(const XDisplay& x, Window window) {
  SendToRoot(x, window, "_NET_CLOSE_WINDOW", CurrentTime, kFromPager);
}

}  // namespace veskaro::e2e
