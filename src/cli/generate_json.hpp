#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <vector>

#include "model/host.hpp"
#include "run/run.hpp"

namespace swd::cli {

struct BatchReport;

// `swdgen generate --json`: one JSON object on stdout after the run, in place of the lines,
// for scripts (the schema is in README.md, "generate --json"). Language-free: keys and
// values are the same whatever language the command speaks.

// One map written: its files (the map first, the picture third where there is one), seed,
// players, fairness (`fairness`: of the map written; `fairness_before`: of the random
// placement, with fair starts) and code; with --best-of also `candidates` and the chosen seed.
struct GeneratedMap {
  const RunOutcome& outcome;
  const std::vector<FileContent>& files;
  std::uint32_t seed;
  std::optional<double> fairness;
  const std::vector<CandidateReport>* candidates = nullptr;  // with --best-of
};
void WriteGenerateJson(const GeneratedMap& map, std::ostream& out);

// A batch: every map written, in the order of the seeds, and the reports (summary, CSV,
// sheet) that were written.
void WriteBatchJson(const BatchReport& report, const std::vector<std::filesystem::path>& reports,
                    std::ostream& out);

}  // namespace swd::cli
