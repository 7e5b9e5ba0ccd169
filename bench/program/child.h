#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace veskaro::bench {

// A program under measurement, started with posix_spawn; killed and reaped
// when its owner goes, so that no run leaves a window behind.
class Child {
 public:
  // Starts `argv` with the current environment; exits the bench if it cannot.
  explicit Child(const std::vector<std::string>& argv);
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child();

  pid_t pid() const noexcept { return pid_; }
  // SIGTERM, then SIGKILL if it is still there after `graceMs`; waits for it.
  void Stop(double graceMs = 5000);

 private:
  pid_t pid_ = -1;
};

// A field of /proc/<pid>/status in bytes ("VmRSS", "VmHWM"); -1 if absent.
long long StatusBytes(pid_t pid, const char* field);

}  // namespace veskaro::bench
