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
                   seed, dump_steps, png, best_of;
  std::vector<std::string> amount, size, decoration;
  bool no_island = false, extended = false, area_variant = false, quiet = false,
       start_objects = false;
};

// The checked result: the wizard settings plus the command line's own choices.
struct GenerateRequest {
  GeneratorSettings settings;
  std::optional<std::filesystem::path> out;  // with ".swd"; none: the proposed name here
  std::string title;
  std::optional<std::uint32_t> seed;
  std::optional<std::filesystem::path> dump_dir;
  std::optional<std::filesystem::path> png;  // the picture to write beside the map
  bool quiet = false;
  bool start_objects = false;
  int best_of = 0;  // candidates to choose from; 0: just the one run
};

inline constexpr int kMostCandidates = 1000;

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

// Why the folder a file is to be written into cannot take it ("the folder 'F' does not
// exist"), or empty when it can.
std::string FolderProblem(const std::filesystem::path& file);

}  // namespace swd::cli
