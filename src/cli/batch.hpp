#pragma once

#include <cstdint>
#include <iosfwd>

#include "cli/generate_options.hpp"

namespace swd::cli {

// `swdgen generate --count N`: makes the maps of the seeds first_seed, first_seed + 1, ...
// (past 4294967295 on from 0) on request.jobs threads, each run with a generator and host of
// its own, and writes each as NAME-SEED.swd and .bmp (and .png) the moment it is done. Then
// the summary NAME.json (and .csv) and the contact sheet describe the maps written. A line
// per map goes to `out` in the order of the seeds, a progress line to stderr. Ctrl-C stops
// the runs in flight; the maps already written stay, and so do the summary and sheet of
// them. Returns the exit status.
int RunBatch(const GenerateRequest& request, std::uint32_t first_seed, std::ostream& out,
             std::ostream& err);

}  // namespace swd::cli
