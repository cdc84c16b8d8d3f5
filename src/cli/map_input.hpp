#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "mapfile/swd_map.hpp"
#include "model/messages.hpp"

namespace swd::cli {

struct MapInput {
  std::optional<SwdMap> map;
  Message problem;  // one line without the program's name: "FILE: why"
};

// Reads a map file for the commands that look at one: only a regular file, never more than
// the largest map and a little, checked whole.
MapInput LoadMapFile(const std::filesystem::path& file);

// The sides of the maps the game loads: even numbers in this range.
inline constexpr int kSmallestSide = 32;
inline constexpr int kLargestSide = 256;

// What a sound map file says that the game cannot load, though the format lets it be
// written: sides that are odd or out of range, a player of the header's count without a
// headquarters or with one outside the map. The messages in the order of the header;
// empty for a map the game takes. Each fault about a headquarters drops that start from the
// start positions the analysis finds.
struct MapFault {
  Message message;
  bool drops_start = false;
};
std::vector<MapFault> FindMapFaults(const SwdHeader& header);

// "3 Dreiecke haben einen Geländecode, den das Spiel nicht kennt (zuerst 40 bei 3, 0)".
Message UnknownTerrainText(const UnknownTerrain& unknown);

}  // namespace swd::cli
