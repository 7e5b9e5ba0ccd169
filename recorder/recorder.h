#pragma once

#include <cstdint>
#include <memory>

#include "recorder/geometry.h"
#include "recorder/memory.h"
#include "recorder/recording.h"
#include "recorder/screen_port.h"

namespace veskaro {

enum class RecorderMode : std::int32_t { Playing = 0, Ready = 1, Drawing = 2 };

inline constexpr std::int32_t PLAYBACK_PERIOD_MS = 15;

// The program's state and its seven event handlers. It knows no windows:
// it is driven by events and draws through the screen port.
class Recorder {
 public:
  // Takes the memory for the pen position and the recording at once.
  Recorder(ScreenPort& screen, Memory& memory);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  void OnWindowCreated();
  void OnCanvasLeftDown(std::int32_t x, std::int32_t y, std::int32_t keys);
  void OnCanvasMouseMove(std::int32_t x, std::int32_t y, std::int32_t keys);
  void OnCanvasLeftUp(std::int32_t x, std::int32_t y, std::int32_t keys);
  void OnPlayClicked();
  void OnClearClicked();
  void OnTimerTick();

  // The exit routine: gives back the pen position and the recording.
  void OnProgramExit() noexcept;

  RecorderMode mode() const noexcept { return mode_; }
  Point lastPoint() const noexcept { return *lastPoint_; }
  const Recording& recording() const noexcept { return recording_; }
  std::int32_t playPosition() const noexcept { return playPosition_; }

 private:
  void DrawAndRecord(Point to);

  // Gives a block back to the memory it came from.
  struct Release {
    Memory* memory;
    void operator()(Point* block) const noexcept { memory->Free(block); }
  };

  ScreenPort& screen_;
  RecorderMode mode_ = RecorderMode::Playing;
  std::unique_ptr<Point, Release> lastPoint_;
  Recording recording_;
  std::int32_t playPosition_ = 0;
};

}  // namespace veskaro
