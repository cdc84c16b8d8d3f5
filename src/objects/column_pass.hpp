#pragma once

#include <cmath>
#include <cstdint>

#include "model/generator.hpp"

namespace swd {

// Progress after column x of a pass over the rows 0..last_row of every column.
inline int ColumnPercent(const Generator& g, int x, int last_row) {
  const double w = g.run.MapWidth;
  const double h = g.run.MapHeight;
  return static_cast<int>(std::floor(100.0 * (x / w) * ((last_row + 1) / h) + 0.5));
}

// Writes one layer of a vertex and, on a symmetric map, of its point mirror
// (MapWidth - x, MapHeight - y), which for x = 0 or y = 0 lies just outside the map.
inline void WriteMirrored(Generator& g, int x, int y, int layer, std::uint8_t value) {
  g.grid(x, y, layer) = value;
  if (IsSymmetric(g.run)) g.grid(g.run.MapWidth - x, g.run.MapHeight - y, layer) = value;
}

}  // namespace swd
