#pragma once

#include <vector>

#include "mapfile/swd_map.hpp"
#include "rules/lattice_walk.hpp"

namespace swd {

struct StartPosition {
  int player = 0;  // 1..7
  VertexPos at;
};

struct StartPositions {
  std::vector<StartPosition> list;  // by player
  bool from_objects = false;
};

// The starts as the game finds them: the start-position objects (type 0x80, index player - 1;
// the first of a player's, row by row) when the map has any, else the header's headquarters
// that lie on the map.
StartPositions FindStartPositions(const SwdMap& map);

}  // namespace swd
