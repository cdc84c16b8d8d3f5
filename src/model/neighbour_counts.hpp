#pragma once

#include <cstdint>
#include <vector>

#include "model/generator.hpp"

namespace swd {

// For every cell of the map, how many of its eight neighbours, wrapped round the edges, hold
// class c in TerrainLayerA. A pass that asks this of most cells counts the whole map once,
// in a few runs along its rows, and then keeps the counts in step with its own changes,
// instead of reading eight cells for every question.
class NeighbourCounts {
 public:
  NeighbourCounts(const Generator& g, int c);

  int At(int x, int y) const { return counts_[Index(x, y)]; }

  // The cell (x, y) was of class `before` and is now of class `now`. Cells outside the map
  // (the spare column and row the mirror writes may reach) are nobody's neighbours.
  void Changed(int x, int y, int before, int now);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(x) + static_cast<std::size_t>(width_) * y;
  }

  int width_;
  int height_;
  int class_;
  std::vector<std::uint8_t> counts_;  // x + width * y
};

// SetCellClassMirrored, keeping the counts in step.
void SetCellClassMirrored(Generator& g, NeighbourCounts& counts, int x, int y, int c);

}  // namespace swd
