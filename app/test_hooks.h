#pragma once

#include <cstdint>

namespace veskaro {

// Faults that the test-only build lets an end-to-end test ask for through
// the environment; an ordinary build has none.
namespace test_hooks {

// VESKARO_FAIL_ALLOCATION=N: the recorder's Nth memory request fails.
std::int64_t FailingAllocation();
// VESKARO_FAIL_WINDOW=1: the main window cannot be made.
bool WindowCreationFails();

}  // namespace test_hooks

}  // namespace veskaro
