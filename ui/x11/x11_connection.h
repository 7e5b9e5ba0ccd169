#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/x11/x11_handles.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

struct Atoms {
  Atom wmProtocols, wmDeleteWindow, wmName, utf8String, netWmName, netWmIcon, netWmPid,
      netWmWindowType, netWmWindowTypeNormal, netWmWindowTypeDialog, netSupported,
      netSupportingWmCheck, netFrameExtents, netRequestFrameExtents, motifWmHints,
      xsettingsSettings, xsettingsOwner;
};

// The open display and what every part of the backend needs from it.
class Connection {
 public:
  // Null when there is no display to open.
  static std::unique_ptr<Connection> Open();
  // The display that Open uses, for messages.
  static std::string DisplayName();
  // X protocol errors so far; a check after XSync tells whether requests failed.
  static unsigned long ErrorCount() noexcept;

  Display* display() const noexcept { return display_.get(); }
  int fd() const noexcept { return ConnectionNumber(display_.get()); }
  int screen() const noexcept { return screen_; }
  Window root() const noexcept { return root_; }
  Visual* visual() const noexcept { return visual_; }
  int depth() const noexcept { return depth_; }
  Colormap colormap() const noexcept { return colormap_; }
  int screenWidth() const noexcept { return DisplayWidth(display(), screen_); }
  int screenHeight() const noexcept { return DisplayHeight(display(), screen_); }
  const Atoms& atoms() const noexcept { return atoms_; }

  // Whether an EWMH window manager runs.
  bool WindowManagerRunning() const;
  // Whether it says it supports `hint`.
  bool WindowManagerSupports(Atom hint) const;

  // Property values of format 32 (Xlib hands them over as long) and of format 8.
  std::vector<unsigned long> Longs(Window window, Atom property, Atom type) const;
  std::vector<std::uint8_t> Bytes(Window window, Atom property, Atom type) const;

 private:
  explicit Connection(DisplayOwner display);
  std::vector<unsigned char> Property(Window window, Atom property, Atom type, int format,
                                      unsigned long& items) const;

  DisplayOwner display_;
  int screen_;
  Window root_;
  Visual* visual_;
  int depth_;
  Colormap colormap_;
  Atoms atoms_{};
};

// Nanoseconds of CLOCK_MONOTONIC.
std::int64_t MonotonicNow() noexcept;

}  // namespace veskaro::x11
