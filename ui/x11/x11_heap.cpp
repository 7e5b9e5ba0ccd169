#include "ui/x11/x11_heap.h"

#include <cstdlib>

namespace veskaro::x11 {

// malloc(0) may answer null, which the seam would read as exhaustion.
void* MallocHeap::Allocate(std::size_t bytes) noexcept {
  return std::malloc(bytes > 0 ? bytes : 1);
}

void* MallocHeap::Reallocate(void* block, std::size_t bytes) noexcept {
  return std::realloc(block, bytes > 0 ? bytes : 1);
}

void MallocHeap::Free(void* block) noexcept { std::free(block); }

}  // namespace veskaro::x11
