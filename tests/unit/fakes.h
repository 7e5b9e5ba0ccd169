#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "recorder/memory.h"
#include "recorder/screen_port.h"

namespace veskaro::testing {

// Records every call on the screen port as text, e.g. "line 1,2-3,4".
class FakeScreen : public ScreenPort {
 public:
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2) override {
    calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + "-" +
                    std::to_string(x2) + "," + std::to_string(y2));
  }
  void ClearCanvas() override { calls.push_back("clear"); }
  void SetTimerPeriod(std::int32_t ms) override {
    calls.push_back("timer " + std::to_string(ms));
  }

  // The calls since the last Take.
  std::vector<std::string> Take() { return std::exchange(calls, {}); }

  std::vector<std::string> calls;
};

// The C heap, with a log of request sizes and the blocks still held.
class CountingHeap : public HeapPort {
 public:
  void* Allocate(std::size_t bytes) noexcept override {
    requests.push_back(bytes);
    return Track(std::malloc(bytes));
  }
  void* Reallocate(void* block, std::size_t bytes) noexcept override {
    requests.push_back(bytes);
    void* grown = std::realloc(block, bytes);
    if (grown != nullptr) --live;
    return Track(grown);
  }
  void Free(void* block) noexcept override {
    --live;
    std::free(block);
  }

  std::vector<std::size_t> requests;
  int live = 0;

 private:
  void* Track(void* block) {
    if (block != nullptr) ++live;
    return block;
  }
};

// What a fatal report unwinds the test with.
struct FatalExit {
  std::string message;
};

// Stands in for the program's end: unwinds instead of exiting.
class ThrowingReporter : public FatalReporter {
 public:
  [[noreturn]] void ReportFatalError(std::string_view message) override {
    throw FatalExit{std::string(message)};
  }
};

}  // namespace veskaro::testing
