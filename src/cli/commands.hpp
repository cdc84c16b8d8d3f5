#pragma once

#include <filesystem>
#include <iosfwd>

#include "cli/generate_options.hpp"

namespace swd::cli {

// Exit statuses of the command line, as README.md lists them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;  // the map could not be saved
inline constexpr int kExitBadInput = 2;     // a bad option value, picture or map file
// The map was written, but the step trace or the picture beside it was not.
inline constexpr int kExitByProductFailed = 3;
// info: the file is a sound map file, but its header holds what the game cannot load.
inline constexpr int kExitMapUnplayable = 4;
inline constexpr int kExitInternalError = 70;  // a fault of swdgen itself (EX_SOFTWARE)
// Ctrl-C; SIGTERM gives 143 (InterruptedStatus).
inline constexpr int kExitInterrupted = 130;

int RunGenerate(const GenerateArgs& args, std::ostream& out, std::ostream& err);
int RunInfo(const std::filesystem::path& file, Language lang, std::ostream& out, std::ostream& err);

}  // namespace swd::cli
