#pragma once

#include <cstdint>
#include <vector>

#include "mapfile/swd_map.hpp"

namespace swd {

// What the game's rules of walking and building read of one vertex of a map: the object on
// it and the six triangles around it. The triangles are kept in the order they lie round the
// vertex, as bit i of the two masks: A(NW), B(NW), A(NE), B(v), A(v), B(W) — the triangle
// between the neighbours W and NW first, then on clockwise (walking.hpp names the pairs that
// flank each step).
struct VertexFacts {
  bool solid = false;  // a tree, granite or large decoration: nothing can be built on it
  bool tree = false;
  bool granite = false;
  // Granite or a large decoration: nobody passes it. Trees do not block, as people walk
  // among them.
  bool blocks_walking = false;
  bool any_snow_or_lava = false;  // among its six triangles
  bool all_buildable = false;
  bool all_mountain = false;
  bool any_walkable = false;
  bool all_water = false;              // all six triangles water
  bool all_ship_water = false;         // all six of the water ships sail on (seas.hpp)
  std::uint8_t snow_or_lava_ring = 0;  // bit i: triangle i is snow or lava
  std::uint8_t walkable_ring = 0;      // bit i: triangle i can be walked on
  std::uint8_t buildable_ring = 0;     // bit i: triangle i is building ground

  // A flag could stand on it.
  bool HoldsFlag() const { return !solid && !any_snow_or_lava && any_walkable; }
  // The facts once the vertex's object is taken away.
  VertexFacts Cleared() const {
    VertexFacts f = *this;
    f.solid = f.tree = f.granite = f.blocks_walking = false;
    return f;
  }
};

// The facts of every vertex, row by row (index x + width * y).
std::vector<VertexFacts> FactsOfVertices(const SwdMap& map);

// The facts of one vertex (x, y), for a step that changes a few vertices and asks again.
VertexFacts FactsOfVertex(const SwdMap& map, int x, int y);

}  // namespace swd
