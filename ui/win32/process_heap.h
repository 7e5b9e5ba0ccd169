#pragma once

#include <windows.h>

#include "recorder/memory.h"

namespace veskaro::win32 {

// The recorder's memory from the process's default heap.
class ProcessHeap final : public HeapPort {
 public:
  ProcessHeap() noexcept : heap_(GetProcessHeap()) {}

  void* Allocate(std::size_t bytes) noexcept override;
  void* Reallocate(void* block, std::size_t bytes) noexcept override;
  void Free(void* block) noexcept override;

 private:
  HANDLE heap_;  // the process's own heap: never destroyed
};

}  // namespace veskaro::win32
