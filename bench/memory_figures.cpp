// What a recording of 10^6 segments costs in memory at its peak, four ways: the
// storage's own capacity, the bytes asked of the heap, the bytes the allocator
// set aside for them (malloc_usable_size: its slack included), and what the
// process really held (the allocator's own count, and the peak resident set).
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unordered_map>

#include "bench_stack.h"

namespace veskaro::bench {
namespace {

std::int64_t AllocatorInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

// A field of /proc/self/status in bytes: "VmHWM" is the peak resident set.
std::int64_t StatusBytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string name;
  std::int64_t kib = 0;
  while (status >> name) {
    if (name == field + ":" && status >> kib) return kib * 1024;
  }
  return -1;
}

// The C heap, noting the peaks of what is held through it.
class TrackingHeap final : public HeapPort {
 public:
  void* Allocate(std::size_t bytes) noexcept override {
    return Note(std::malloc(bytes), bytes);
  }
  void* Reallocate(void* block, std::size_t bytes) noexcept override {
    Forget(block);
    return Note(std::realloc(block, bytes), bytes);
  }
  void Free(void* block) noexcept override {
    Forget(block);
    std::free(block);
  }

  std::int64_t peakAsked = 0, peakUsable = 0, peakInUse = 0;

 private:
  void* Note(void* block, std::size_t bytes) {
    if (block == nullptr) return nullptr;
    sizes_[block] = bytes;
    asked_ += static_cast<std::int64_t>(bytes);
    usable_ += static_cast<std::int64_t>(malloc_usable_size(block));
    peakAsked = std::max(peakAsked, asked_);
    peakUsable = std::max(peakUsable, usable_);
    peakInUse = std::max(peakInUse, AllocatorInUse());
    return block;
  }
  void Forget(void* block) {
    asked_ -= static_cast<std::int64_t>(sizes_[block]);
    usable_ -= static_cast<std::int64_t>(malloc_usable_size(block));
    sizes_.erase(block);
  }

  std::unordered_map<void*, std::size_t> sizes_;
  std::int64_t asked_ = 0, usable_ = 0;
};

void Row(const char* what, std::int64_t bytes) {
  std::printf("  %-46s %12lld B  %6.2f B/segment\n", what, static_cast<long long>(bytes),
              static_cast<double>(bytes) / kSegments);
}

}  // namespace
}  // namespace veskaro::bench

int main() {
  using namespace veskaro;
  using namespace veskaro::bench;
  TrackingHeap heap;
  AbortingReporter fatal;
  Memory memory(heap, fatal);
  NullScreen screen;
  const std::int64_t inUseBefore = AllocatorInUse();
  const std::int64_t peakResidentBefore = StatusBytes("VmHWM");
  Recorder recorder(screen, memory);
  recorder.OnWindowCreated();
  RecordSegments(recorder, kSegments);
  const std::int64_t residentRecorded = StatusBytes("VmRSS");
  const std::int64_t peakResident = StatusBytes("VmHWM") - peakResidentBefore;

  std::printf("recording of %d segments of %zu bytes (goal: at most 24 B/segment)\n",
              recorder.recording().Count(), sizeof(Segment));
  Row("capacity of the storage", recorder.recording().CapacityBytes());
  Row("peak asked of the heap port", heap.peakAsked);
  Row("peak set aside by the allocator (usable size)", heap.peakUsable);
  Row("peak in use by the allocator (mallinfo2)", heap.peakInUse - inUseBefore);
  Row("peak resident set growth (VmHWM)", peakResident);
  recorder.OnClearClicked();
  Row("resident set given back by clear", residentRecorded - StatusBytes("VmRSS"));
  return 0;
}
