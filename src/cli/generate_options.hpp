#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/settings.hpp"

namespace swd::cli {

// What `swdgen generate` was asked for, as raw option texts.
struct GenerateArgs {
  std::string out, title = "Phantasia-Zufall", width = "128", height = "128", type = "gruenland",
                   players = "3", shape, picture, coast, resources, granite, tree_groups, animals,
                   seed, dump_steps, best_of;
  std::optional<std::string> png;                 // given without a file: beside the map
  std::optional<std::string> count, jobs, sheet;  // none: not given
  std::vector<std::string> amount, size, decoration;
  bool no_island = false, extended = false, area_variant = false, quiet = false,
       start_objects = false, no_start_objects = false, no_harbours = false, fair_starts = false,
       timing = false, analyze = false, csv = false;
};

// The checked result: the wizard settings plus the command line's own choices.
struct GenerateRequest {
  GeneratorSettings settings;
  // With ".swd"; without a file name ("maps/"), the folder for the proposed name; none: the
  // proposed name in the current folder.
  std::optional<std::filesystem::path> out;
  std::string title;
  std::optional<std::uint32_t> seed;
  std::optional<std::filesystem::path> dump_dir;
  // The picture to write with the map, where PicturePath puts it: an empty path beside the
  // map, one without a file name into that folder, under the map's name.
  std::optional<std::filesystem::path> png;
  bool quiet = false;
  bool start_objects = true;
  bool timing = false;  // each row's time after the run
  int best_of = 0;      // candidates to choose from; 0: just the one run
  // The batch: `count` maps (0: none, just the one run) on `jobs` threads, each analysed
  // for the summary with `analyze`, the summary also as CSV with `csv`, and a contact sheet.
  int count = 0;
  int jobs = 1;
  bool analyze = false;
  bool csv = false;
  std::optional<std::filesystem::path> sheet;  // with ".html"
};

inline constexpr int kMostCandidates = 1000;
inline constexpr int kMostBatchMaps = 1000;
inline constexpr int kMostJobs = 64;

// The base shapes as --shape names them, with the settings each stands for.
struct ShapeOption {
  const char* name;
  float code, shaped, symmetric;
};
inline constexpr ShapeOption kShapeOptions[] = {{"insel", 0, 0, 0},        {"insel-sym", 0, 0, 1},
                                                {"spirale", 1, 1, 0},      {"ring", 2, 1, 0},
                                                {"spirale-ring", 3, 1, 0}, {"spezial", 4, 1, 0}};

struct Checked {
  std::optional<GenerateRequest> request;
  std::string error;  // one line naming the option and what it accepts
};

Checked CheckGenerateArgs(const GenerateArgs& args);

// `text` given to `option` as a whole number lo..hi; else no value and the one-line error,
// "OPTION: 'TEXT' is not valid; it accepts ACCEPTS", that every option of the command gives.
struct WholeOption {
  std::optional<long> value;
  std::string error;
};
WholeOption ParseWholeOption(const std::string& option, const std::string& text, long lo, long hi,
                             const std::string& accepts);

}  // namespace swd::cli
