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
                   seed, dump_steps, png;
  std::vector<std::string> amount, size, decoration;
  bool no_island = false, extended = false, area_variant = false, quiet = false;
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
};

struct Checked {
  std::optional<GenerateRequest> request;
  std::string error;  // one line naming the option and what it accepts
};

Checked CheckGenerateArgs(const GenerateArgs& args);

// The whole number `text` says, when it is one in lo..hi.
std::optional<long> WholeNumber(const std::string& text, long lo, long hi);

// Why the folder a file is to be written into cannot take it ("the folder 'F' does not
// exist"), or empty when it can.
std::string FolderProblem(const std::filesystem::path& file);

}  // namespace swd::cli
