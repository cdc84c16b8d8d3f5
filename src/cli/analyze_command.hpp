#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/language.hpp"

namespace swd::cli {

// What `swdgen analyze` was asked for, as raw option texts.
struct AnalyzeArgs {
  std::string file;
  std::optional<std::string> radius;  // none: the default radius
  bool json = false;
  Language language = Language::English;
};

int RunAnalyze(const AnalyzeArgs& args, std::ostream& out, std::ostream& err);

}  // namespace swd::cli
