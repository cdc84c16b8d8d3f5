#pragma once

#include <string>
#include <vector>

namespace swd::test {

struct CommandRun {
  int status;
  std::string out, err;
};

// `swdgen ARGS` run in this process, with what it prints on either stream.
CommandRun RunSwdgen(const std::vector<std::string>& args);

}  // namespace swd::test
