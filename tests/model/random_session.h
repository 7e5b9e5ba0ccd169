#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "twin.h"

namespace veskaro::model {

// An endless stream of inputs from a seed. It runs in phases (strokes, playbacks,
// anything at all, long recordings) of random length, so that strokes grow long,
// playbacks run to their end, and clicks, ticks and suspensions also fall in the middle
// of both.
class RandomSession {
 public:
  explicit RandomSession(std::uint64_t seed);
  Input Next();

  static constexpr int kPhases = 4;

 private:
  enum Choice {
    kPress,
    kMove,
    kRelease,
    kPlay,
    kClear,
    kCreated,
    kPlatformTick,
    kRawTick,
    kAnyEvent,
    kSuspend,
    kResume,
    kChoices
  };
  Choice Pick();
  std::int32_t Coordinate(std::int32_t size);
  Input Pointer(EventKind event);

  std::mt19937_64 rng_;
  std::array<std::discrete_distribution<int>, kPhases> picks_;
  int phase_ = 0;
  std::int64_t phaseLeft_ = 0;
};

}  // namespace veskaro::model
