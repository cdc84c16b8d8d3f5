#pragma once

#include "model/generator.hpp"
#include "model/primitives.hpp"

namespace swd {

// Heights are bytes: a change that would leave 0..255 stops at the nearer end.
inline void AddHeight(Generator& g, int x, int y, int d) {
  g.grid(x, y, HeightLayer) = ClampByte(long{g.grid(x, y, HeightLayer)} + d);
}

// Sets the height of a cell and, on a symmetric base, of its mirror cell.
inline void SetHeightMirrored(Generator& g, int x, int y, int height) {
  WriteMirrored(g, x, y, HeightLayer, ClampByte(height));
}

}  // namespace swd
