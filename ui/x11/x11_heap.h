#pragma once

#include <cstddef>

#include "recorder/memory.h"

namespace veskaro::x11 {

// The C library's heap behind the recorder's allocation seam.
class MallocHeap final : public HeapPort {
 public:
  void* Allocate(std::size_t bytes) noexcept override;
  void* Reallocate(void* block, std::size_t bytes) noexcept override;
  void Free(void* block) noexcept override;
};

}  // namespace veskaro::x11
