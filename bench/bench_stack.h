#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "recorder/recorder.h"

namespace veskaro::bench {

// Takes the calls and does nothing else, so that only the recorder is timed.
class NullScreen final : public ScreenPort {
 public:
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2) override {
    benchmark::DoNotOptimize(x1 + y1 + x2 + y2);
  }
  void ClearCanvas() override {}
  void SetTimerPeriod(std::int32_t ms) override { benchmark::DoNotOptimize(ms); }
};

// The C heap, as the program's own heap port hands requests to it.
class CHeap final : public HeapPort {
 public:
  void* Allocate(std::size_t bytes) noexcept override { return std::malloc(bytes); }
  void* Reallocate(void* block, std::size_t bytes) noexcept override {
    return std::realloc(block, bytes);
  }
  void Free(void* block) noexcept override { std::free(block); }
};

class AbortingReporter final : public FatalReporter {
 public:
  [[noreturn]] void ReportFatalError(std::string_view message) override {
    std::fprintf(stderr, "fatal: %.*s\n", static_cast<int>(message.size()),
                 message.data());
    std::abort();
  }
};

inline constexpr std::int32_t kSegments = 1'000'000;

// Press, then `segments` moves: that many segments recorded, the stroke still held.
inline void RecordSegments(Recorder& recorder, std::int32_t segments) {
  recorder.OnCanvasLeftDown(0, 0, 0);
  for (std::int32_t i = 0; i < segments; ++i) {
    recorder.OnCanvasMouseMove(i & 255, (i >> 8) & 255, 0);
  }
}

}  // namespace veskaro::bench
