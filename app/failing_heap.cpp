#include "app/failing_heap.h"

namespace veskaro {

void* FailingHeap::Allocate(std::size_t bytes) noexcept {
  return Refuse() ? nullptr : heap_.Allocate(bytes);
}

void* FailingHeap::Reallocate(void* block, std::size_t bytes) noexcept {
  return Refuse() ? nullptr : heap_.Reallocate(block, bytes);
}

}  // namespace veskaro
