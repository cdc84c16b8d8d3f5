#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/batch_map.hpp"
#include "cli/generate_options.hpp"

namespace swd::cli {

// What a batch wrote, for its summary and its contact sheet.
struct BatchReport {
  const GenerateRequest& request;
  BatchNames names;
  std::uint32_t first_seed = 0;
  std::vector<BatchMap> maps;  // the maps written, in the order of their seeds
  bool complete = false;       // all request.count maps written
};

// The summary NAME.json, format "swdgen-batch" (the schema is in README.md, "Many maps at
// once"): the batch, its settings, and per map its seed, players, files and analysis.
std::string BatchSummaryJson(const BatchReport& report);

// The same as NAME.csv: a line per map with its seed, players, files, fairness and ratios (with
// --analyze) and the settings, under a line of column names.
std::string BatchSummaryCsv(const BatchReport& report);

}  // namespace swd::cli
