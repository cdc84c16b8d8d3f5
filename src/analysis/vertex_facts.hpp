#pragma once

#include <cstdint>
#include <vector>

#include "mapfile/swd_map.hpp"

namespace swd {

// What the rules of walking and building read of one vertex of a map: the object on it and
// the six triangles around it.
struct VertexFacts {
  bool solid = false;  // a tree, granite or large decoration stands on it
  bool tree = false;
  bool granite = false;
  bool any_snow_or_lava = false;  // among its six triangles
  bool all_buildable = false;
  bool all_mountain = false;
  bool any_walkable = false;

  // Someone can stand on it and walk on from it.
  bool Walkable() const { return any_walkable && !solid; }
  // A flag could stand on it.
  bool HoldsFlag() const { return !solid && !any_snow_or_lava && any_walkable; }
};

// The facts of every vertex, row by row (index x + width * y).
std::vector<VertexFacts> FactsOfVertices(const SwdMap& map);

// 1 where a vertex can be walked, 0 elsewhere, as the lattice walk takes it.
std::vector<std::uint8_t> WalkableVertices(const std::vector<VertexFacts>& facts);

}  // namespace swd
