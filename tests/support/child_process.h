#pragma once
// Running part of a test in a child process: for what must not touch the test process itself
// (resource limits, exits, a user without the rights of the one running the tests) and for two
// processes working on one file at once.

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Runs `body` in a child process and returns its exit code: 100 when the child did not exit
// normally, 101 when `body` raised an exception.
inline int RunInChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    int code = 101;
    try {
      code = body();
    } catch (...) {
    }
    ::_exit(code);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

// Gives up the rights of the super-user, if the tests run as one, so that file permissions hold.
inline bool DropSuperUser() {
  constexpr uid_t kNobody = 65534;
  return ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}
