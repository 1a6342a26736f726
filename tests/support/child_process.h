#pragma once
// Running part of a test in a child process: for what must not touch the test process itself
// (resource limits, exits, a user without the rights of the one running the tests) and for two
// processes working on one file at once.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Exit codes of a child: it did not exit normally, or `body` raised an exception.
inline constexpr int kChildKilled = 100;
inline constexpr int kChildRaised = 101;

// Starts `body` in a child process, which ends with body's result (kChildRaised when it raises).
inline pid_t StartChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    int code = kChildRaised;
    try {
      code = body();
    } catch (...) {
    }
    ::_exit(code);
  }
  return child;
}

// Waits for the child to end and answers its exit code, kChildKilled for a signal.
inline int WaitForChild(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : kChildKilled;
}

// Runs `body` in a child process and returns its exit code.
inline int RunInChild(const std::function<int()>& body) { return WaitForChild(StartChild(body)); }

// A child that is killed when this goes out of scope, also when a failed assertion ends the test
// early.
class TKilledChild {
 public:
  explicit TKilledChild(pid_t pid) : FPid(pid) {}
  ~TKilledChild() {
    ::kill(FPid, SIGKILL);
    WaitForChild(FPid);
  }
  TKilledChild(const TKilledChild&) = delete;
  TKilledChild& operator=(const TKilledChild&) = delete;

 private:
  pid_t FPid;
};

// Gives up the rights of the super-user, if the tests run as one, so that file permissions hold.
inline bool DropSuperUser() {
  constexpr uid_t kNobody = 65534;
  return ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}
