#include "ui/win32/win32_platform.h"

#include "ui/win32/wide_text.h"

namespace veskaro::win32 {

namespace {

// The icon group's name in resources/veskaro.rc.
constexpr const wchar_t* kProgramIcon = L"DEFAULT_ICON";
constexpr int kWindowIconSize = 16;

// The group's 16 x 16 image, which makes both of the window's icons.
UniqueIcon LoadWindowIcon(HINSTANCE instance) {
  HRSRC group = FindResourceW(instance, kProgramIcon, RT_GROUP_ICON);
  HGLOBAL groupData = group ? LoadResource(instance, group) : nullptr;
  auto* directory = groupData ? static_cast<BYTE*>(LockResource(groupData)) : nullptr;
  if (directory == nullptr) return {};
  const int id = LookupIconIdFromDirectoryEx(directory, TRUE, kWindowIconSize,
                                             kWindowIconSize, LR_DEFAULTCOLOR);
  HRSRC image = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_ICON);
  HGLOBAL imageData = image ? LoadResource(instance, image) : nullptr;
  auto* bits = imageData ? static_cast<BYTE*>(LockResource(imageData)) : nullptr;
  if (bits == nullptr) return {};
  return UniqueIcon(CreateIconFromResourceEx(bits, SizeofResource(instance, image), TRUE,
                                             0x00030000, kWindowIconSize, kWindowIconSize,
                                             LR_DEFAULTCOLOR));
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance) noexcept
    : instance_(instance), icon_(LoadWindowIcon(instance)) {
  classes_.emplace(instance);
}

Win32Platform::~Win32Platform() {
  ReleaseWindowRecords();
  ReleaseResources();
}

bool Win32Platform::CreateMainWindow(EventDispatcher& events) {
  if (!classes_ || !classes_->registered()) return false;
  filter_.emplace(events);
  window_ = std::make_unique<MainWindow>(instance_, *classes_, icon_.get(), events);
  return window_->Create();
}

void Win32Platform::Route(const MSG& message) {
  if (filter_ && window_ && filter_->Filter(*window_, message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Platform::ProcessPendingNotifications() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Not ours to take: the event loop still has to see it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Route(message);
  }
}

void Win32Platform::ShowMainWindow() {
  if (window_) window_->Show();
}

int Win32Platform::RunEventLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Route(message);
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void Win32Platform::ShowFatalBox(std::string_view caption, std::string_view text) {
  MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), MB_OK | MB_ICONERROR);
}

void Win32Platform::ReleaseWindowRecords() noexcept {
  window_.reset();
  filter_.reset();
}

void Win32Platform::ReleaseResources() noexcept {
  classes_.reset();
  icon_.reset();
}

void Win32Platform::ExitProcess(int code) { ::ExitProcess(static_cast<UINT>(code)); }

void Win32Platform::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                             std::int32_t y2) {
  if (window_) window_->canvas().DrawLine(x1, y1, x2, y2);
}

void Win32Platform::ClearCanvas() {
  if (window_) window_->canvas().Clear();
}

void Win32Platform::SetTimerPeriod(std::int32_t ms) {
  if (window_) window_->timer().SetPeriod(ms);
}

}  // namespace veskaro::win32
