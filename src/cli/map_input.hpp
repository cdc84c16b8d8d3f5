#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "mapfile/swd_map.hpp"

namespace swd::cli {

struct MapInput {
  std::optional<SwdMap> map;
  std::string problem;  // one line without the program's name: "FILE: why"
};

// Reads a map file for the commands that look at one: only a regular file, never more than
// the largest map and a little, checked whole.
MapInput LoadMapFile(const std::filesystem::path& file);

}  // namespace swd::cli
