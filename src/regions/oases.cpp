#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

// A water cell ringed by class 4 and then class 5.
void BuildOasis(Generator& g, int x, int y) {
  SetCellClassMirrored(g, x, y, Water);
  const auto paint_ring = [&](RingSpan ring, int c) {
    ForEachNeighbour(g, x, y, ring, [&](const Neighbour& n) {
      ForNeighbourAndMirror(g, x, y, n, [&](int cx, int cy) { SetCellClass(g, cx, cy, c); });
    });
  };
  paint_ring(kRing1, Savanna);
  paint_ring(kRing2, Steppe);
}

}  // namespace

void InsertOases(Generator& g) {
  // The whole map, also on a symmetric base: an oasis in either half is mirrored.
  SweepStep(g, g.run.LandscapeType == Gruenland ? MessageKey::StatusInsertOases : MessageKey::None,
            WholeMapByColumns(g), [&](int x, int y) {
              if (g.grid(x, y, TerrainLayerA) != Desert) return;
              // The block is counted only for the few cells the draw lets through: the
              // draw changes nothing the count reads.
              const int r = RandomInt(g, 0, 200);
              if (r < 5 && CountClassNear5(g, x, y, Desert, Steppe, Savanna) == 25) {
                BuildOasis(g, x, y);
              }
            });
}

}  // namespace swd
