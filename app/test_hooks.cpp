#include "app/test_hooks.h"

#include <cstdlib>

namespace veskaro {

namespace test_hooks {

#ifdef VESKARO_TEST_HOOKS

namespace {

const char* Setting(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::int64_t FailingAllocation() {
  return std::strtoll(Setting("VESKARO_FAIL_ALLOCATION"), nullptr, 10);
}

bool WindowCreationFails() { return Setting("VESKARO_FAIL_WINDOW")[0] == '1'; }

#else

std::int64_t FailingAllocation() { return 0; }
bool WindowCreationFails() { return false; }

#endif

}  // namespace test_hooks

}  // namespace veskaro
