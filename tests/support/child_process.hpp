#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace swd::test {

struct ChildResult {
  int status = -1;  // the exit status, or 128 + the signal that ended the child
  std::string output;
};

// Runs `body` in a child process, so that it may change the current folder or abort
// without harm to the tests. Run as root, the child first gives up root for the user
// "nobody", for whom file permissions hold as for anyone: root may read everything.
// `body` writes what it reports to the stream and returns the child's exit status.
ChildResult RunInChild(const std::function<int(std::ostream&)>& body);

}  // namespace swd::test
