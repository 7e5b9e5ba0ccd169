#include "tests/e2e/harness/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace veskaro::e2e {

namespace {

std::vector<std::string> MergedEnvironment(const Environment& changes) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable(*entry);
    const std::string name = variable.substr(0, variable.find('='));
    if (changes.count(name) == 0) merged.push_back(variable);
  }
  for (const auto& [name, value] : changes) {
    if (value) merged.push_back(name + "=" + *value);
  }
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// In the child: only async-signal-safe calls until exec.
[[noreturn]] void BecomeChild(char* const* argv, char* const* envp, const char* output,
                              const char* errors, int keepOpen) {
  const int in = open("/dev/null", O_RDONLY);
  const int out = open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = strcmp(output, errors) == 0
                      ? out
                      : open(errors, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0 || err < 0) _exit(126);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  // Every other descriptor of the test closes, so no pipe stays held open.
  for (int fd = 3; fd < 1024; ++fd) {
    if (fd != keepOpen) close(fd);
  }
  execve(argv[0], argv, envp);
  _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const Launch& launch) {
  std::vector<std::string> argv = launch.argv;
  std::vector<std::string> env = MergedEnvironment(launch.environment);
  const std::vector<char*> argvPointers = Pointers(argv);
  const std::vector<char*> envPointers = Pointers(env);
  const std::string output = launch.output, errors = launch.errors;
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed: " + std::string(strerror(errno)));
  if (pid_ == 0) {
    BecomeChild(argvPointers.data(), envPointers.data(), output.c_str(), errors.c_str(),
                launch.keepOpen);
  }
}

ChildProcess::~ChildProcess() {
  Terminate();
  if (!Wait(std::chrono::seconds(5))) {
    kill(pid_, SIGKILL);
    Wait(std::chrono::seconds(5));
  }
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!status_) {
    int status = 0;
    const pid_t ended = waitpid(pid_, &status, WNOHANG);
    if (ended == pid_) {
      status_ = status;
    } else if (ended < 0 && errno != EINTR) {
      break;
    } else if (std::chrono::steady_clock::now() >= deadline) {
      break;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  return status_;
}

bool ChildProcess::Running() { return !Wait(std::chrono::milliseconds(0)); }

void ChildProcess::Terminate() {
  if (Running()) kill(pid_, SIGTERM);
}

}  // namespace veskaro::e2e
