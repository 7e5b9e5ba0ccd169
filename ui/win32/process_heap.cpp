#include "ui/win32/process_heap.h"

namespace veskaro::win32 {

void* ProcessHeap::Allocate(std::size_t bytes) noexcept {
  return HeapAlloc(heap_, 0, bytes);
}

void* ProcessHeap::Reallocate(void* block, std::size_t bytes) noexcept {
  // HeapReAlloc refuses a null block, which realloc would take as a new one.
  if (block == nullptr) return Allocate(bytes);
  return HeapReAlloc(heap_, 0, block, bytes);
}

void ProcessHeap::Free(void* block) noexcept {
  if (block != nullptr) HeapFree(heap_, 0, block);
}

}  // namespace veskaro::win32
