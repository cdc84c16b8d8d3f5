#include "support/child_process.hpp"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

namespace swd::test {

ChildResult RunInChild(const std::function<int(std::ostream&)>& body) {
  constexpr uid_t kNobody = 65534;
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    if (geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(125);
    }
    std::ostringstream out;
    const int status = body(out);
    const std::string text = out.str();
    for (std::size_t done = 0; done < text.size();) {
      const ssize_t n = write(fds[1], text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    _exit(status);
  }
  close(fds[1]);
  ChildResult result;
  char buf[512];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
    result.output.append(buf, static_cast<std::size_t>(n));
  close(fds[0]);
  int raw = 0;
  if (pid > 0 && waitpid(pid, &raw, 0) == pid) {
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  }
  return result;
}

}  // namespace swd::test
