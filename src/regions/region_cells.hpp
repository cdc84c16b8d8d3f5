#pragma once

#include "model/generator.hpp"
#include "model/primitives.hpp"

namespace swd {

// The mirror of the cell at offset (dx, dy) from (x, y), wrapped into the map.
inline std::pair<int, int> WrappedMirror(const Generator& g, int x, int y, int dx, int dy) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  return {WrapIndex(w - (x + dx), w), WrapIndex(h - (y + dy), h)};
}

// Heights are bytes: a change that would leave 0..255 stops at the nearer end.
inline void AddHeight(Generator& g, int x, int y, int d) {
  g.grid(x, y, HeightLayer) = ClampByte(long{g.grid(x, y, HeightLayer)} + d);
}

// Sets the height of a cell and, on a symmetric base, of its mirror cell.
inline void SetHeightMirrored(Generator& g, int x, int y, int height) {
  g.grid(x, y, HeightLayer) = ClampByte(height);
  if (IsSymmetric(g.run)) {
    const auto [mx, my] = MirrorCell(g, x, y);
    g.grid(mx, my, HeightLayer) = ClampByte(height);
  }
}

}  // namespace swd
