#pragma once

#include <filesystem>
#include <iosfwd>

#include "cli/generate_options.hpp"

namespace swd::cli {

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitInterrupted = 130;

int RunGenerate(const GenerateArgs& args, std::ostream& out, std::ostream& err);
int RunInfo(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

}  // namespace swd::cli
