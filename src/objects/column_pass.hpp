#pragma once

#include <cmath>

#include "model/generator.hpp"

namespace swd {

// Progress after column x of a pass over the rows 0..last_row of every column.
inline int ColumnPercent(const Generator& g, int x, int last_row) {
  const double w = g.run.MapWidth;
  const double h = g.run.MapHeight;
  return static_cast<int>(std::floor(100.0 * (x / w) * ((last_row + 1) / h) + 0.5));
}

}  // namespace swd
