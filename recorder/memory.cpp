#include "recorder/memory.h"

#include <cstdlib>
#include <limits>

namespace veskaro {

std::string AllocationFailureMessage(std::int64_t bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

Memory::Memory(HeapPort& heap, FatalReporter& fatal) noexcept
    : heap_(heap), fatal_(fatal) {}

namespace {

bool Representable(std::int64_t bytes) {
  return bytes > 0 &&
         static_cast<std::uint64_t>(bytes) <= std::numeric_limits<std::size_t>::max();
}

}  // namespace

void* Memory::Allocate(std::int64_t bytes) {
  void* block =
      Representable(bytes) ? heap_.Allocate(static_cast<std::size_t>(bytes)) : nullptr;
  if (block == nullptr) Fail(bytes);
  return block;
}

void* Memory::Reallocate(void* block, std::int64_t bytes) {
  void* grown = Representable(bytes)
                    ? heap_.Reallocate(block, static_cast<std::size_t>(bytes))
                    : nullptr;
  if (grown == nullptr) Fail(bytes);
  return grown;
}

void Memory::Free(void* block) noexcept {
  if (block != nullptr) heap_.Free(block);
}

void Memory::Fail(std::int64_t bytes) {
  fatal_.ReportFatalError(AllocationFailureMessage(bytes));
  std::abort();  // a reporter must not return: there is no memory to go on with
}

}  // namespace veskaro
