#include <cmath>

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

void SmoothLandscape(Generator& g) {
  SweepStep(g, MessageKey::StatusSmoothLandscape, WorkingPass(g), [&](int x, int y) {
    const int own = g.grid(x, y, HeightLayer);
    int sum = 0;
    ForEachNeighbour(g, x, y, kRing1,
                     [&](const Neighbour& n) { sum += own - g.grid(n.x, n.y, HeightLayer); });
    const int t = static_cast<int>(std::floor(sum / 14.0));
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
