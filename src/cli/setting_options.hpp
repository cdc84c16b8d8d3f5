#pragma once

#include <span>

#include "cli/generate_options.hpp"

namespace CLI {
class App;
}

namespace swd::cli {

// The options of `generate` for the table of settings: one per key, named as OptionName
// says, with the values it accepts and its default in the help; what they are given goes
// into `args.settings`, to be read by CheckGenerateArgs. A flag's option is the one that
// changes it from its default; the other form (--start-objects beside --no-start-objects) is
// accepted without a line in the help.
void AddSettingOptions(CLI::App& generate, GenerateArgs& args,
                       std::span<const SettingRow> rows = SettingRows());

}  // namespace swd::cli
