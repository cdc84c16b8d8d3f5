#pragma once

#include <functional>
#include <iosfwd>

namespace swd::cli {

// The whole command line, `swdgen ARGS`: parses the arguments, runs the command and
// returns the exit status (commands.hpp).
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Runs `body` and returns its status; an exception that escapes it is a fault of swdgen
// itself and becomes one line on `err` and kExitInternalError instead of an abort.
int ReportInternalErrors(const std::function<int()>& body, std::ostream& err);

}  // namespace swd::cli
