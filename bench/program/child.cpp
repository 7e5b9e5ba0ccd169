#include "child.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "clock.h"

extern char** environ;

namespace veskaro::bench {

namespace {

// Reaps the child within `ms`; false if it is still running.
bool Reap(pid_t pid, double ms) {
  const double deadline = NowMs() + ms;
  do {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return true;
    usleep(2000);
  } while (NowMs() < deadline);
  return false;
}

}  // namespace

Child::Child(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  // Nothing of the bench's own output: Wine's services inherit it and would
  // hold a pipe open after the bench has ended.
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    posix_spawn_file_actions_addopen(&files, fd, "/dev/null", O_RDWR, 0);
  }
  const int error = posix_spawnp(&pid_, args[0], &files, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  if (error != 0) {
    std::fprintf(stderr, "bench: cannot start %s: %s\n", args[0], std::strerror(error));
    std::exit(2);
  }
}

Child::~Child() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    Reap(pid_, 5000);
  }
}

void Child::Stop(double graceMs) {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  if (!Reap(pid_, graceMs)) {
    kill(pid_, SIGKILL);
    Reap(pid_, 5000);
  }
  pid_ = -1;
}

long long StatusBytes(pid_t pid, const char* field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  const std::string wanted = std::string(field) + ":";
  std::string name;
  long long kib = 0;
  while (status >> name) {
    if (name == wanted && status >> kib) return kib * 1024;
  }
  return -1;
}

}  // namespace veskaro::bench
