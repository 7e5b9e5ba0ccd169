#pragma once

#include <string>
#include <vector>

#include "layout.h"
#include "screen.h"

namespace veskaro::bench {

// Pointer moves per second that the client started with `argv` takes in
// while one stroke is held over its canvas: from the first move
// sent until its answer to the last one shows on the screen.
double MeasureAbsorption(const Screen& screen, const std::vector<std::string>& argv,
                         long moves);

}  // namespace veskaro::bench
