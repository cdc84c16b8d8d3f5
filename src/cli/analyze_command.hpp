#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace swd::cli {

// What `swdgen analyze` was asked for, as raw option texts.
struct AnalyzeArgs {
  std::string file;
  std::optional<std::string> radius;  // none: the default radius
  bool json = false;
};

int RunAnalyze(const AnalyzeArgs& args, std::ostream& out, std::ostream& err);

}  // namespace swd::cli
