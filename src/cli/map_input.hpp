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

// "3 Dreiecke haben einen Geländecode, den das Spiel nicht kennt (zuerst 40 bei 3, 0)".
std::string UnknownTerrainText(const UnknownTerrain& unknown);

}  // namespace swd::cli
