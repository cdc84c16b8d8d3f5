#include <cstddef>
#include <cstdint>

#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "regions/region_cells.hpp"
#include "regions/region_steps.hpp"

namespace swd {

void CheckHeights(Generator& g) {
  SweepStep(g, MessageKey::StatusCheckHeights, WorkingPass(g), [&](int x, int y) {
    if (g.grid(x, y, HeightLayer) == 0) SetHeightMirrored(g, x, y, 1);
  });
}

namespace {

// The heights of the eight neighbours added up.
int NeighbourHeights(const Generator& g, int x, int y) {
  if (RingInside(g, x, y, kRing1)) {
    // Every cell is smoothed: away from the edges the eight are read from three rows.
    const std::uint8_t* mid = g.grid.Plane(HeightLayer) + x + std::ptrdiff_t{kGridSide} * y;
    const std::uint8_t* up = mid - kGridSide;
    const std::uint8_t* down = mid + kGridSide;
    return up[-1] + up[0] + up[1] + mid[-1] + mid[1] + down[-1] + down[0] + down[1];
  }
  int sum = 0;
  ForEachNeighbour(g, x, y, kRing1,
                   [&](const Neighbour& n) { sum += g.grid(n.x, n.y, HeightLayer); });
  return sum;
}

}  // namespace

void SmoothLandscape(Generator& g) {
  SweepStep(g, MessageKey::StatusSmoothLandscape, WorkingPass(g), [&](int x, int y) {
    // The cell's height less each neighbour's, added up.
    const int sum = 8 * g.grid(x, y, HeightLayer) - NeighbourHeights(g, x, y);
    // floor(sum / 14.0), worked out in integers: each cell waits for the one before it,
    // which it reads back, and a division of doubles would hold up the whole column. The
    // quotients agree, as sum / 14 lies at least 1/14 from any other whole number.
    const int t = sum / 14 - (sum % 14 < 0 ? 1 : 0);
    ForCellAndMirror(g, x, y, [&](int cx, int cy) { AddHeight(g, cx, cy, -t); });
  });
}

void PickFlowers(Generator& g) {
  // About one open-land cell in seventeen keeps its class, whose game code has flowers; the
  // others become forest ground, whose codes are the plain meadows.
  SweepStep(g, MessageKey::StatusPickFlowers, WholeMapByRows(g), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != OpenLand) return;
    if (RandomInt(g, 0, 100) > 5)
      g.grid(x, y, TerrainLayerA) = g.grid(x, y, TerrainLayerB) = Forest;
  });
}

}  // namespace swd
