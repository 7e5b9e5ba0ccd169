#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veskaro {

// The platform's heap. A null result means the request cannot be met.
class HeapPort {
 public:
  virtual void* Allocate(std::size_t bytes) noexcept = 0;
  virtual void* Reallocate(void* block, std::size_t bytes) noexcept = 0;
  virtual void Free(void* block) noexcept = 0;

 protected:
  ~HeapPort() = default;
};

// Ends the program after telling the user why.
class FatalReporter {
 public:
  [[noreturn]] virtual void ReportFatalError(std::string_view message) = 0;

 protected:
  ~FatalReporter() = default;
};

// The text of a failed memory request of `bytes` bytes.
std::string AllocationFailureMessage(std::int64_t bytes);

// The one seam through which all of the recorder's memory passes. A request
// that cannot be met is fatal, so callers never see a null block.
class Memory {
 public:
  Memory(HeapPort& heap, FatalReporter& fatal) noexcept;

  void* Allocate(std::int64_t bytes);
  void* Reallocate(void* block, std::int64_t bytes);
  void Free(void* block) noexcept;

  // Reports a request of `bytes` that can never be met, such as a size
  // past what the recording can count.
  [[noreturn]] void Fail(std::int64_t bytes);

 private:
  HeapPort& heap_;
  FatalReporter& fatal_;
};

}  // namespace veskaro
