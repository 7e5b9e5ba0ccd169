#include "recorder/recording.h"

#include <new>

namespace veskaro {

namespace {

constexpr std::int64_t BytesFor(std::int64_t segments) {
  return segments * std::int64_t{sizeof(Segment)};
}

}  // namespace

Recording::Recording(Memory& memory) : memory_(memory) { Grow(); }

Recording::~Recording() { DiscardAll(); }

void Recording::Append(const Segment& segment) {
  if (count_ == capacity_) Grow();
  new (data_ + count_) Segment(segment);
  ++count_;
}

void Recording::DiscardAll() noexcept {
  memory_.Free(data_);
  data_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}

void Recording::Grow() {
  const std::int32_t next = NextCapacity(capacity_);
  // The count is a signed 32-bit number: one more segment has no place.
  if (next == 0) memory_.Fail(BytesFor(std::int64_t{capacity_} + 1));
  const std::int64_t bytes = BytesFor(next);
  void* block =
      data_ == nullptr ? memory_.Allocate(bytes) : memory_.Reallocate(data_, bytes);
  data_ = static_cast<Segment*>(block);
  capacity_ = next;
}

}  // namespace veskaro
