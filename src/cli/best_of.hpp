#pragma once

#include <cstdint>
#include <iosfwd>

#include "cli/generate_options.hpp"

namespace swd::cli {

// `swdgen generate --best-of N`: makes the candidates of the seeds first_seed, first_seed + 1,
// ... (past 4294967295 on from 0), analyses each and saves only the best one: the one with
// the most players placed and, among those, the fairest starts; the first of equals. Prints
// a line per candidate and the chosen seed, with which --seed alone makes the same map.
// Returns the exit status.
int RunBestOf(const GenerateRequest& request, std::uint32_t first_seed, std::ostream& out,
              std::ostream& err);

}  // namespace swd::cli
