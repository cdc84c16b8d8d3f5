#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/batch_map.hpp"
#include "cli/generate_options.hpp"
#include "model/setting_table.hpp"

namespace swd::cli {

// What a batch wrote, for its summary and its contact sheet.
struct BatchReport {
  const GenerateRequest& request;
  BatchNames names;
  std::uint32_t first_seed = 0;
  std::vector<BatchMap> maps;  // the maps written, in the order of their seeds
  bool complete = false;       // all request.count maps written
};

// One value of the settings: a number or true/false as written, a text, or nothing.
struct Value {
  enum class Kind { Literal, Text, Null };
  Kind kind = Kind::Null;
  std::string text;

  std::string Json() const;
};

// A setting, or a group of them under one key: "amount": {"0": 5, ...} in JSON, the columns
// amount_0, ... in CSV.
struct Setting {
  std::string key;
  std::vector<std::pair<std::string, Value>> members;  // one without a name: a plain value
};

// The settings of a batch in the terms of the options that set them, made from the table of
// settings: the title, then every key with its members.
std::vector<Setting> SettingsOf(const std::string& title, const GeneratorSettings& s,
                                std::span<const SettingRow> rows = SettingRows());

// The summary NAME.json, format "swdgen-batch" (the schema is in README.md, "Many maps at
// once"): the batch, its settings, and per map its seed, players, files and analysis.
std::string BatchSummaryJson(const BatchReport& report);

// The same as NAME.csv: a line per map with its seed, players, files, fairness and ratios (with
// --analyze) and the settings, under a line of column names.
std::string BatchSummaryCsv(const BatchReport& report);

}  // namespace swd::cli
