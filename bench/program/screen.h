#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace veskaro::bench {

struct Point {
  int x, y;
};

struct Rect {
  int x, y, width, height;
  bool Contains(Point p) const noexcept {
    return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height;
  }
};

// 0xRRGGBB pixels of one rectangle of the screen, row by row.
struct Pixels {
  Rect area;
  std::vector<std::uint32_t> rgb;
  std::uint32_t At(int x, int y) const { return rgb[y * area.width + x]; }
};

// The bench's own client on the display: it reads the screen back and
// drives the pointer with XTest, as a user's hand would.
class Screen {
 public:
  // Exits the bench with a message when there is no display or it lacks
  // XTEST or DAMAGE.
  Screen();
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  Display* display() const noexcept { return display_; }
  int width() const noexcept;
  int height() const noexcept;
  int damageEvent() const noexcept { return damageEvent_; }

  Pixels Grab(const Rect& area) const;
  std::uint32_t PixelAt(Point p) const;
  // Paints the root window one shade, so that no probe can mistake the
  // empty screen for a program's window.
  void ShadeRoot(std::uint32_t rgb);

  void MoveTo(Point p) const;
  void Press() const;
  void Release() const;
  void Click(Point p) const;
  // Waits until the server has handled every request sent so far.
  void Sync() const;
  void Flush() const;

 private:
  Display* display_ = nullptr;
  int damageEvent_ = 0;
};

// Every change of the screen's pixels, reported by the server's DAMAGE
// extension as rectangles, each batch stamped with the moment it was read.
class DamageWatch {
 public:
  explicit DamageWatch(Screen& screen);
  ~DamageWatch();
  DamageWatch(const DamageWatch&) = delete;
  DamageWatch& operator=(const DamageWatch&) = delete;

  // One changed rectangle, with the server's own time of the change: the
  // server stamps it as it draws, however late the bench reads it.
  struct Report {
    Rect area;
    unsigned long serverMs;
  };
  struct Batch {
    double atMs;  // when the bench read them, on its own clock
    std::vector<Report> reports;
  };
  // The reports that arrive next, all that are waiting together; nothing if
  // none has come by `deadlineMs`.
  std::optional<Batch> Next(double deadlineMs);
  // Forgets what was reported so far.
  void Drop();

 private:
  Screen& screen_;
  Damage damage_ = 0;
};

}  // namespace veskaro::bench
