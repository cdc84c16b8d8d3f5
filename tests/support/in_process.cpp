#include "support/in_process.hpp"

#include <sstream>

#include "cli/command_line.hpp"

namespace swd::test {

CommandRun RunSwdgen(const std::vector<std::string>& args) {
  std::vector<const char*> argv{"swdgen"};
  for (const auto& a : args)
    argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = cli::RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

}  // namespace swd::test
