#include "model/neighbour_counts.hpp"

#include <algorithm>

#include "model/cell_words.hpp"
#include "model/primitives.hpp"

namespace swd {

NeighbourCounts::NeighbourCounts(const Generator& g, int c)
    : width_(g.run.MapWidth),
      height_(g.run.MapHeight),
      class_(c),
      counts_(static_cast<std::size_t>(width_) * height_) {
  const int w = width_;
  const int h = height_;
  const auto k = static_cast<std::uint8_t>(c);
  // Eight cells at a time: first 1 for every cell of class c; then, row by row, per column
  // those of the rows above, at and below, and the sums of three of those side by side,
  // less the cell itself. `sums` holds the column sums from index 1 on, with the last one
  // before them and the first one after them, for the wrap. A row of the grid, and of
  // `ones`, has room for the cells a last word reaches beyond the map's width; what they
  // give is not used.
  const int padded = (w + 7) / 8 * 8;
  std::vector<std::uint8_t> ones(static_cast<std::size_t>(padded) * h);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* cells = g.grid.Plane(TerrainLayerA) + std::size_t{kGridSide} * y;
    for (int x = 0; x < padded; x += 8) {
      StoreCells(&ones[static_cast<std::size_t>(padded) * y + x],
                 CellsEqual(LoadEightCells(cells + x), k));
    }
  }
  const auto ones_row = [&](int y) {
    return &ones[static_cast<std::size_t>(padded) * WrapIndex(y, h)];
  };
  std::vector<std::uint8_t> sums(static_cast<std::size_t>(padded) + 2);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* above = ones_row(y - 1);
    const std::uint8_t* own = ones_row(y);
    const std::uint8_t* below = ones_row(y + 1);
    for (int x = 0; x < padded; x += 8) {
      StoreCells(&sums[x + 1],
                 LoadEightCells(above + x) + LoadEightCells(own + x) + LoadEightCells(below + x));
    }
    sums[0] = sums[w];
    sums[w + 1] = sums[1];
    std::uint8_t* out = &counts_[Index(0, y)];
    for (int x = 0; x < w; x += 8) {
      const std::uint64_t three =
          LoadEightCells(&sums[x]) + LoadEightCells(&sums[x + 1]) + LoadEightCells(&sums[x + 2]);
      StoreCells(out + x, three - LoadEightCells(own + x), std::min(8, w - x));
    }
  }
}

void SetCellClassMirrored(Generator& g, NeighbourCounts& counts, int x, int y, int c) {
  ForCellAndMirror(g, x, y, [&](int cx, int cy) {
    const int before = g.grid(cx, cy, TerrainLayerA);
    SetCellClass(g, cx, cy, c);
    counts.Changed(cx, cy, before, c);
  });
}

void NeighbourCounts::Changed(int x, int y, int before, int now) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const int change = (now == class_ ? 1 : 0) - (before == class_ ? 1 : 0);
  if (change == 0) return;
  for (int i = kRing1.first; i <= kRing1.last; ++i) {
    const int nx = WrapIndex(x + RingOffsetX[i], width_);
    const int ny = WrapIndex(y + RingOffsetY[i], height_);
    counts_[Index(nx, ny)] = static_cast<std::uint8_t>(counts_[Index(nx, ny)] + change);
  }
}

}  // namespace swd
