#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli_host.hpp"
#include "cli/generate_options.hpp"
#include "run/run.hpp"

namespace swd::cli {

// The pieces of `swdgen generate` that one run and the choice among candidates share.

// The command line host as the request asks for it.
CliHost::Options HostOptionsFor(const GenerateRequest& request);

// One landscape from `settings` and `seed`, saved through `host`; Cancelled as well when
// Ctrl-C stopped the save.
RunOutcome GenerateOnce(CliHost& host, const GeneratorSettings& settings, std::uint32_t seed);

// Tells how a run ended: the files written and the players placed, or why nothing was
// saved (`save_problem`, when not empty). Returns the exit status.
int ReportOutcome(const RunOutcome& outcome, const Message& save_problem,
                  const GenerateRequest& request, std::ostream& out, std::ostream& err);

// The picture of --png, saved with the map, gets its line; the trace is a by-product: a map
// written without it has a status of its own. `files` are those saved, the map first and the
// picture third. Returns the status after them.
int ReportByProducts(int status, const Message& trace_problem,
                     const std::vector<FileContent>& files, const GenerateRequest& request,
                     std::ostream& out, std::ostream& err);

// The fairness index of the map written (the first of `files`); none for fewer than two
// starts or no map.
std::optional<double> FairnessOfFiles(const std::vector<FileContent>& files);

// With fair starts: "fairness before B after A", the fairness index of the random placement
// on the same landscape and that of the map written.
void ReportFairness(const RunOutcome& outcome, const std::vector<FileContent>& files,
                    Language language, std::ostream& out);

// With --timing: a line "time ROW NAME MS ms" per row that ran, then the time of saving the
// map after the last row and the total; nothing when the run did not get to saving.
void ReportTiming(const CliHost& host, std::ostream& out);

}  // namespace swd::cli
