#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "tests/e2e/harness/child_process.h"
#include "tests/e2e/harness/temp_dir.h"
#include "tests/e2e/harness/wait.h"

namespace veskaro::e2e {

// The program under test on the given display, with stdin from /dev/null and
// its standard output and error kept in files; killed if it outlives the test.
class ProgramProcess {
 public:
  ProgramProcess(const std::filesystem::path& program, const std::string& display,
                 Environment extra = {});

  // The exit code (WEXITSTATUS), or 128 + the signal that killed it; nothing
  // if it is still running when the limit passes.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit = kPatience);
  bool Running() { return child_->Running(); }

  std::string Output() const;
  std::string Errors() const;

 private:
  TempDir folder_;
  std::unique_ptr<ChildProcess> child_;
};

}  // namespace veskaro::e2e
