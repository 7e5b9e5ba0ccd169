#include "tests/e2e/harness/program_process.h"

#include <sys/wait.h>

#include <fstream>
#include <sstream>

namespace veskaro::e2e {

namespace {

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

ProgramProcess::ProgramProcess(const std::filesystem::path& program,
                               const std::string& display, Environment extra) {
  Launch launch;
  launch.argv = {program.string()};
  launch.environment = std::move(extra);
  launch.environment["DISPLAY"] = display;
  // Faults come only from the test that asks for them.
  for (const char* hook : {"VESKARO_FAIL_ALLOCATION", "VESKARO_FAIL_WINDOW"}) {
    launch.environment.try_emplace(hook, std::nullopt);
  }
  launch.output = folder_.path() / "stdout";
  launch.errors = folder_.path() / "stderr";
  child_ = std::make_unique<ChildProcess>(launch);
}

std::optional<int> ProgramProcess::WaitForExit(std::chrono::milliseconds limit) {
  const std::optional<int> status = child_->Wait(limit);
  if (!status) return std::nullopt;
  if (WIFEXITED(*status)) return WEXITSTATUS(*status);
  return 128 + WTERMSIG(*status);
}

std::string ProgramProcess::Output() const { return ReadFile(folder_.path() / "stdout"); }
std::string ProgramProcess::Errors() const { return ReadFile(folder_.path() / "stderr"); }

}  // namespace veskaro::e2e
