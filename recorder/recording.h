#pragma once

#include <cstdint>
#include <limits>

#include "recorder/geometry.h"
#include "recorder/memory.h"

namespace veskaro {

// Storage the recording takes at start and again on the first append after
// a clear.
inline constexpr std::int32_t kInitialCapacity = 64;

// One less than the largest count, so that a playback's position, which runs
// one past the last segment, still fits.
inline constexpr std::int32_t kMaxSegments = std::numeric_limits<std::int32_t>::max() - 1;

// The capacity that follows `capacity` when the storage is full: grows by
// half, so the slack stays under a third of the storage; 0 when the count
// cannot grow any further.
constexpr std::int32_t NextCapacity(std::int32_t capacity) {
  constexpr std::int64_t kMax = kMaxSegments;
  if (capacity < kInitialCapacity) return kInitialCapacity;
  if (capacity >= kMax) return 0;
  const std::int64_t next = std::int64_t{capacity} + capacity / 2;
  return static_cast<std::int32_t>(next < kMax ? next : kMax);
}

// The ordered list of every recorded segment: contiguous, append-only,
// discarded only as a whole.
class Recording {
 public:
  explicit Recording(Memory& memory);
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  void Append(const Segment& segment);
  std::int32_t Count() const noexcept { return count_; }
  // 1 <= position <= Count().
  const Segment& At(std::int32_t position) const noexcept { return data_[position - 1]; }
  // Forgets every segment and gives the storage back.
  void DiscardAll() noexcept;
  std::int64_t CapacityBytes() const noexcept {
    return std::int64_t{capacity_} * std::int64_t{sizeof(Segment)};
  }

 private:
  void Grow();

  Memory& memory_;
  Segment* data_ = nullptr;
  std::int32_t count_ = 0;
  std::int32_t capacity_ = 0;
};

}  // namespace veskaro
