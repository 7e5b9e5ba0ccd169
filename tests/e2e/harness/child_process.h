#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace veskaro::e2e {

// The parent's environment with some variables replaced (or, with an empty
// optional, removed).
using Environment = std::map<std::string, std::optional<std::string>>;

struct Launch {
  std::vector<std::string> argv;
  Environment environment;
  std::filesystem::path output = "/dev/null";  // stdout
  std::filesystem::path errors = "/dev/null";  // stderr
  int keepOpen = -1;  // a descriptor of the parent that the child inherits as is
};

// One child process, killed and reaped when the owner goes.
class ChildProcess {
 public:
  explicit ChildProcess(const Launch& launch);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The raw wait status once the child has ended within the limit.
  std::optional<int> Wait(std::chrono::milliseconds limit);
  bool Running();
  void Terminate();

  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

}  // namespace veskaro::e2e
