#pragma once

#include <array>
#include <vector>

#include "mapfile/object_codes.hpp"
#include "mapfile/swd_map.hpp"
#include "mapfile/terrain_codes.hpp"
#include "rules/site_rating.hpp"

namespace swd {

// What the whole map holds.
struct MapCounts {
  std::array<int, kTerrainKindCount> triangles{};  // by TerrainKind
  int trees = 0;
  std::array<int, kLargestGranite + 1> granite{};  // by size 1..6 (0: none of those sizes)
  int decorations = 0;
  std::array<long, kResourceKindCount> resources{};  // total amount by ResourceKind
  std::array<int, 7> animals{};                      // by species 1..6
  std::array<int, kSiteSizeCount> sites{};           // by SiteSize
};

// `sites` is RateBuildingSites of the map.
MapCounts CountMap(const SwdMap& map, const std::vector<SiteSize>& sites);

}  // namespace swd
