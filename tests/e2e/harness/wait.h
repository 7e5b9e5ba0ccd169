#pragma once

#include <chrono>
#include <functional>

namespace veskaro::e2e {

// Long enough for a loaded machine; a limit only stops a test that would hang.
inline constexpr std::chrono::milliseconds kPatience{10'000};

// Polls the condition until it holds (true) or the limit passes (false).
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = kPatience);

}  // namespace veskaro::e2e
