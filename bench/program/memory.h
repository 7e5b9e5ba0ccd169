#pragma once

#include <string>
#include <vector>

#include "screen.h"

namespace veskaro::bench {

struct MemoryFigures {
  long long idleBytes;   // resident set once the window shows
  long long idleOwn;     // of which anonymous: the process's own, no library's code
  long long afterBytes;  // resident set after the recording
  long segments;         // pieces recorded
};

// Starts the program, reads its resident set at idle, records `segments`
// pieces in one stroke (each move leaves the canvas once, so that no two
// moves merge and every one is recorded) and reads it again.
MemoryFigures MeasureMemory(const Screen& screen, const std::vector<std::string>& argv,
                            long segments);

}  // namespace veskaro::bench
