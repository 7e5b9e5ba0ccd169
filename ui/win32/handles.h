#pragma once

#include <windows.h>

#include <utility>

namespace veskaro::win32 {

// Owns a window until the window system reports it gone (Forget) or the
// owner ends, whichever comes first.
class UniqueWindow {
 public:
  UniqueWindow() noexcept = default;
  explicit UniqueWindow(HWND window) noexcept : window_(window) {}
  UniqueWindow(UniqueWindow&& other) noexcept : window_(other.Forget()) {}
  UniqueWindow& operator=(UniqueWindow&& other) noexcept {
    std::swap(window_, other.window_);
    return *this;
  }
  ~UniqueWindow() { reset(); }

  HWND get() const noexcept { return window_; }
  explicit operator bool() const noexcept { return window_ != nullptr; }
  HWND Forget() noexcept { return std::exchange(window_, nullptr); }
  // The handle stays readable while the window's last messages arrive.
  void reset() noexcept {
    if (window_ == nullptr) return;
    DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
};

// An icon or a cursor made by the program itself, destroyed with its owner.
template <class Handle, BOOL(WINAPI* Destroy)(Handle)>
class UniqueUserObject {
 public:
  UniqueUserObject() noexcept = default;
  explicit UniqueUserObject(Handle handle) noexcept : handle_(handle) {}
  UniqueUserObject(UniqueUserObject&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueUserObject& operator=(UniqueUserObject&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~UniqueUserObject() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }
  void reset() noexcept {
    if (handle_ != nullptr) Destroy(std::exchange(handle_, nullptr));
  }

 private:
  Handle handle_ = nullptr;
};

using UniqueIcon = UniqueUserObject<HICON, DestroyIcon>;
using UniqueCursor = UniqueUserObject<HCURSOR, DestroyCursor>;

// A registered window class, unregistered with its owner.
class WindowClass {
 public:
  WindowClass(HINSTANCE instance, const WNDCLASSEXW& description) noexcept
      : instance_(instance),
        name_(description.lpszClassName),
        registered_(RegisterClassExW(&description) != 0) {}
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;
  ~WindowClass() {
    if (registered_) UnregisterClassW(name_, instance_);
  }

  const wchar_t* name() const noexcept { return name_; }
  bool registered() const noexcept { return registered_; }

 private:
  HINSTANCE instance_;
  const wchar_t* name_;
  bool registered_;
};

}  // namespace veskaro::win32
