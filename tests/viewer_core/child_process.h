#pragma once
// Runs part of a test in a forked child, for what must not touch the test program itself: lower
// limits, a user without the rights of the one running the tests.

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// The child's exit code: `body`'s result, 99 when it raised; -1 when the child did not exit.
inline int RunInChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    int code = 99;
    try {
      code = body();
    } catch (...) {
    }
    ::_exit(code);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Gives up the rights of the super-user, if the tests run as one, so that file permissions hold.
inline bool DropSuperUser() {
  constexpr uid_t kNobody = 65534;
  return ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}
