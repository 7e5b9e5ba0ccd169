#include "random_session.h"

#include <array>
#include <limits>

namespace veskaro::model {

namespace {

// Weights of each choice, in the order of the choices, per phase.
constexpr std::array<std::array<int, 11>, RandomSession::kPhases> kWeights{{
    // press move release play clear created ptick rawtick any suspend resume
    {40, 600, 40, 10, 3, 2, 50, 5, 50, 2, 40},    // strokes
    {30, 100, 20, 10, 3, 1, 700, 5, 30, 2, 40},   // playbacks
    {10, 10, 10, 10, 10, 10, 10, 10, 10, 4, 16},  // anything
    {2, 1000, 2, 0, 0, 1, 50, 0, 20, 1, 40},      // long recordings
}};

// The long-recordings phase lasts longer, so that the storage grows many times.
constexpr std::array<std::int64_t, RandomSession::kPhases> kLongestPhase{3000, 3000, 3000,
                                                                         60000};

}  // namespace

RandomSession::RandomSession(std::uint64_t seed) : rng_(seed) {
  for (std::size_t i = 0; i < kWeights.size(); ++i) {
    picks_[i] = std::discrete_distribution<int>(kWeights[i].begin(), kWeights[i].end());
  }
}

RandomSession::Choice RandomSession::Pick() {
  if (phaseLeft_-- <= 0) {
    phase_ = std::uniform_int_distribution<int>(0, kPhases - 1)(rng_);
    phaseLeft_ =
        std::uniform_int_distribution<std::int64_t>(1, kLongestPhase[phase_])(rng_);
  }
  return static_cast<Choice>(picks_[phase_](rng_));
}

// Mostly inside the canvas; sometimes anywhere a 16-bit position field can say,
// or anything at all, which the recorder takes as it comes.
std::int32_t RandomSession::Coordinate(std::int32_t size) {
  const int kind = std::uniform_int_distribution<int>(0, 99)(rng_);
  using Limits = std::numeric_limits<std::int32_t>;
  if (kind == 0) return std::uniform_int_distribution<std::int32_t>(Limits::min())(rng_);
  if (kind < 3) return std::uniform_int_distribution<std::int32_t>(0, 65535)(rng_);
  return std::uniform_int_distribution<std::int32_t>(0, size - 1)(rng_);
}

Input RandomSession::Pointer(EventKind event) {
  return {Input::Raise,    Element::Canvas1,
          event,           Coordinate(448),
          Coordinate(336), std::uniform_int_distribution<std::int32_t>(0, 7)(rng_)};
}

Input RandomSession::Next() {
  switch (Pick()) {
    case kPress:
      return Pointer(EventKind::LeftDown);
    case kMove:
      return Pointer(EventKind::MouseMove);
    case kRelease:
      return Pointer(EventKind::LeftUp);
    case kPlay:
      return {Input::Raise, Element::Button2, EventKind::Clicked};
    case kClear:
      return {Input::Raise, Element::Button1, EventKind::Clicked};
    case kCreated:
      return {Input::Raise, Element::MainWindow, EventKind::Created};
    case kPlatformTick:
      return {Input::PlatformTick};
    case kRawTick:
      return {Input::Raise, Element::Clock1, EventKind::Tick};
    case kSuspend:
      return {Input::Suspend};
    case kResume:
      return {Input::Resume};
    case kAnyEvent:
    case kChoices:
      break;
  }
  Input any = Pointer(EventKind::Created);
  any.element =
      static_cast<Element>(std::uniform_int_distribution<int>(0, kElements - 1)(rng_));
  any.event = static_cast<EventKind>(
      std::uniform_int_distribution<int>(0, kEventKinds - 1)(rng_));
  return any;
}

}  // namespace veskaro::model
