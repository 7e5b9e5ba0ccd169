#pragma once

#include <cstddef>
#include <cstdint>

#include "recorder/memory.h"

namespace veskaro {

// A heap that refuses its Nth request (allocation or enlargement, counted
// from 1) and passes every other one on; N = 0 refuses none.
class FailingHeap final : public HeapPort {
 public:
  FailingHeap(HeapPort& heap, std::int64_t failAt) noexcept
      : heap_(heap), failAt_(failAt) {}

  void* Allocate(std::size_t bytes) noexcept override;
  void* Reallocate(void* block, std::size_t bytes) noexcept override;
  void Free(void* block) noexcept override { heap_.Free(block); }

  std::int64_t requests() const noexcept { return requests_; }

 private:
  bool Refuse() noexcept { return ++requests_ == failAt_; }

  HeapPort& heap_;
  std::int64_t failAt_;
  std::int64_t requests_ = 0;
};

}  // namespace veskaro
