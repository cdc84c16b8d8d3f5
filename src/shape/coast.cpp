#include <cstddef>
#include <cstdint>

#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "shape/coast_passes.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

// Of the eight neighbours, wrapped round the map edges, those of class c.
int NeighboursOfClass(const Generator& g, int x, int y, int c) {
  if (RingInside(g, x, y, kRing1)) {
    // The coast rules ask this of most cells in every pass: away from the edges the eight
    // are read from the three rows directly.
    const std::uint8_t* mid = g.grid.Plane(TerrainLayerA) + x + std::ptrdiff_t{kGridSide} * y;
    const std::uint8_t* up = mid - kGridSide;
    const std::uint8_t* down = mid + kGridSide;
    return (up[-1] == c) + (up[0] == c) + (up[1] == c) + (mid[-1] == c) + (mid[1] == c) +
           (down[-1] == c) + (down[0] == c) + (down[1] == c);
  }
  return CountNeighbours(g, x, y, kRing1,
                         [&](int nx, int ny) { return g.grid(nx, ny, TerrainLayerA) == c; });
}

}  // namespace

void AdaptToSurroundings(Generator& g, int a, int b, int c) {
  SweepStep(g, "Angleichen an Umgebung", WorkingPass(g).StopOnCancel(), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) == a && NeighboursOfClass(g, x, y, b) > 4) {
      SetCellClassMirrored(g, x, y, c);
    }
  });
}

void MatchEdges(Generator& g, int a, int b, int n, int c1, int c2) {
  SweepStep(g, "Ränder werden angeglichen", WorkingPass(g).StopOnCancel(), [&](int x, int y) {
    const int k = g.grid(x, y, TerrainLayerA);
    if ((k == a || k == b) && NeighboursOfClass(g, x, y, n) >= 1) {
      SetCellClassMirrored(g, x, y, RandomInt(g, 0, 2) == 0 ? c1 : c2);
    }
  });
}

void RunCoastPasses(Generator& g, std::span<const CoastPass> passes) {
  for (const CoastPass& p : passes) {
    const auto& k = p.classes;
    if (p.rule == CoastPass::Rule::Adapt) {
      AdaptToSurroundings(g, k[0], k[1], k[2]);
    } else {
      MatchEdges(g, k[0], k[1], k[2], k[3], k[4]);
    }
  }
}

void RunCoastPasses(Generator& g, const CoastSequence& sequence) {
  RunCoastPasses(g, g.run.LandscapeType == Winterland ? sequence.winterland : sequence.passes);
}

}  // namespace swd
