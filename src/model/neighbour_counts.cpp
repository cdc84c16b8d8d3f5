#include "model/neighbour_counts.hpp"

#include "model/primitives.hpp"

namespace swd {

NeighbourCounts::NeighbourCounts(const Generator& g, int c)
    : width_(g.run.MapWidth),
      height_(g.run.MapHeight),
      class_(c),
      counts_(static_cast<std::size_t>(width_) * height_) {
  const int w = width_;
  const int h = height_;
  const auto row = [&](int y) {
    return g.grid.Plane(TerrainLayerA) + std::size_t{kGridSide} * WrapIndex(y, h);
  };
  // Row by row: first per column the cells of class c in the rows above, at and below,
  // then the sums of three of those side by side, less the cell itself; both wrapped.
  std::vector<std::uint8_t> column_sums(static_cast<std::size_t>(w));
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* above = row(y - 1);
    const std::uint8_t* own = row(y);
    const std::uint8_t* below = row(y + 1);
    for (int x = 0; x < w; ++x)
      column_sums[x] = static_cast<std::uint8_t>((above[x] == c) + (own[x] == c) + (below[x] == c));
    std::uint8_t* out = &counts_[Index(0, y)];
    const auto count = [&](int left, int x, int right) {
      out[x] = static_cast<std::uint8_t>(column_sums[left] + column_sums[x] + column_sums[right] -
                                         (own[x] == c));
    };
    count(w - 1, 0, 1);
    for (int x = 1; x < w - 1; ++x)
      count(x - 1, x, x + 1);
    count(w - 2, w - 1, 0);
  }
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
