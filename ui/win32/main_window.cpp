#include "ui/win32/main_window.h"

#include "ui/start_position.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_classes.h"

namespace veskaro::win32 {

namespace {

DWORD MainWindowStyle(const WindowSettings& s) {
  DWORD style = WS_OVERLAPPED | WS_CLIPCHILDREN;
  if (s.controlBox) style |= WS_CAPTION | WS_SYSMENU;
  if (s.minimizeBox) style |= WS_MINIMIZEBOX;
  if (s.maximizeBox) style |= WS_MAXIMIZEBOX;
  if (!s.fixedBorder) style |= WS_THICKFRAME;
  return style;
}

DWORD ButtonStyle(const ControlEntry& entry, const ButtonSettings& b) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  style |= b.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (b.centredHorizontally) style |= BS_CENTER;
  if (b.centredVertically) style |= BS_VCENTER;
  if (b.multiline) style |= BS_MULTILINE;
  if (entry.tabStop) style |= WS_TABSTOP;
  return style;
}

HMENU ChildId(std::size_t index) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(index + 1));
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, const WindowClasses& classes, HICON icon,
                       EventDispatcher& events,
                       const WindowDescription& description) noexcept
    : instance_(instance),
      classes_(classes),
      icon_(icon),
      events_(events),
      description_(description),
      focus_(description),
      timer_(events, description.timer),
      canvas_(description.canvas) {}

MainWindow::~MainWindow() {
  // The windows go first, while every object their last messages reach exists.
  window_.reset();
}

bool MainWindow::Create() {
  if (!CreateWindowItself()) return false;
  for (std::size_t i = 0; i < description_.controls.size(); ++i) {
    if (!CreateControl(i)) return false;
  }
  canvas_.LoadPointer(instance_);
  StackAndShowControls();
  return true;
}

bool MainWindow::CreateWindowItself() {
  const WindowSettings& s = description_.window;
  const ScreenPoint at =
      StartPosition(s, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  const DWORD exStyle = s.alwaysOnTop ? WS_EX_TOPMOST : 0;
  CreateWindowExW(exStyle, classes_.main.name(), Widen(s.title).c_str(),
                  MainWindowStyle(s), at.x, at.y, s.width, s.height, nullptr, nullptr,
                  instance_, this);
  if (!window_) return false;
  FixOuterSize();
  SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  return true;
}

void MainWindow::FixOuterSize() noexcept {
  const WindowSettings& s = description_.window;
  RECT outer{};
  GetWindowRect(window_.get(), &outer);
  if (outer.right - outer.left == s.width && outer.bottom - outer.top == s.height) return;
  MoveWindow(window_.get(), outer.left, outer.top, s.width, s.height, FALSE);
}

bool MainWindow::CreateControl(std::size_t index) {
  const ControlEntry& entry = description_.controls[index];
  const int id = static_cast<int>(index + 1);
  switch (entry.kind) {
    case ControlKind::Timer:
      if (!timer_.Create(instance_, classes_.timer.name(), window(), entry.rect, id)) {
        return false;
      }
      controls_[index] = timer_.window();
      return true;
    case ControlKind::DrawPanel:
      if (!canvas_.Create(instance_, classes_.canvas.name(), window(), entry.rect, id)) {
        return false;
      }
      controls_[index] = canvas_.window();
      return true;
    case ControlKind::Button:
      return CreateButton(index);
    case ControlKind::Window:
      return false;
  }
  return false;
}

bool MainWindow::CreateButton(std::size_t index) {
  const ControlEntry& entry = description_.controls[index];
  const ButtonSettings* settings = nullptr;
  for (const ButtonSettings& b : description_.buttons) {
    if (b.id == entry.id) settings = &b;
  }
  if (settings == nullptr) return false;
  const Rect& r = entry.rect;
  buttons_[index] = UniqueWindow(CreateWindowExW(
      0, L"BUTTON", Widen(entry.caption).c_str(), ButtonStyle(entry, *settings), r.left,
      r.top, r.width, r.height, window(), ChildId(index), instance_, nullptr));
  if (!buttons_[index]) return false;
  SendMessageW(buttons_[index].get(), WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()),
               FALSE);
  controls_[index] = buttons_[index].get();
  return true;
}

void MainWindow::StackAndShowControls() noexcept {
  constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  HWND above = HWND_TOP;
  for (HWND control : controls_) {
    SetWindowPos(control, above, 0, 0, 0, 0, kKeepPlace);
    above = control;
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlEntry& entry = description_.controls[i];
    const bool shown = entry.visible && entry.kind != ControlKind::Timer;
    ShowWindow(controls_[i], shown ? SW_SHOWNA : SW_HIDE);
  }
}

void MainWindow::Show() noexcept { ShowWindow(window_.get(), SW_SHOW); }

std::optional<ControlId> MainWindow::ControlOf(HWND window) const noexcept {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (window != nullptr && controls_[i] == window) return description_.controls[i].id;
  }
  return std::nullopt;
}

HWND MainWindow::ControlWindow(ControlId id) const noexcept {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (description_.controls[i].id == id) return controls_[i];
  }
  return nullptr;
}

void MainWindow::MoveFocus(bool backwards) {
  if (const auto current = ControlOf(GetFocus())) focus_.Focus(*current);
  focus_.Tab(backwards);
  SetFocus(ControlWindow(focus_.focused()));
}

LRESULT MainWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      return OnCommand(w, l);
    case WM_ACTIVATE:
      return OnActivate(w, l);
    case WM_SETFOCUS:
      return OnSetFocus();
    case WM_MOVE:
      return Raise(Event::PositionChanged, message, w, l);
    case WM_SIZE:
      return Raise(Event::SizeChanged, message, w, l);
    case WM_SHOWWINDOW:
      if (w) return Raise(Event::Shown, message, w, l);
      return DefWindowProcW(window_.get(), message, w, l);
    case WM_CLOSE:
      return Raise(Event::CanClose, message, w, l);
    case WM_DESTROY:
      return Raise(Event::WillBeDestroyed, message, w, l);
    case WM_NCDESTROY:
      return OnNcDestroy(w, l);
    default:
      return DefWindowProcW(window_.get(), message, w, l);
  }
}

LRESULT MainWindow::Raise(Event event, UINT message, WPARAM w, LPARAM l) {
  events_.Raise(ControlId::MainWindow, event);
  return DefWindowProcW(window_.get(), message, w, l);
}

LRESULT MainWindow::OnCommand(WPARAM w, LPARAM l) {
  const auto control = ControlOf(reinterpret_cast<HWND>(l));
  if (HIWORD(w) == BN_CLICKED && control) events_.Raise(*control, Event::Clicked);
  return 0;
}

LRESULT MainWindow::OnActivate(WPARAM w, LPARAM l) {
  // Remember the focus on the way out, to give it back on the way in.
  if (LOWORD(w) == WA_INACTIVE) {
    if (const auto focused = ControlOf(GetFocus())) focus_.Focus(*focused);
  }
  return DefWindowProcW(window_.get(), WM_ACTIVATE, w, l);
}

LRESULT MainWindow::OnSetFocus() {
  SetFocus(ControlWindow(focus_.focused()));
  return 0;
}

LRESULT MainWindow::OnNcDestroy(WPARAM w, LPARAM l) {
  // The children are gone by now; their handles must not be used again.
  for (UniqueWindow& button : buttons_) button.Forget();
  controls_ = {};
  const LRESULT result = DefWindowProcW(window_.get(), WM_NCDESTROY, w, l);
  PostQuitMessage(0);
  return result;
}

}  // namespace veskaro::win32
