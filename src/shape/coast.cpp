#include "model/neighbour_counts.hpp"
#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "shape/coast_passes.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

// Both rules ask of most cells how many of their neighbours hold one class, and change few
// cells: the neighbour counts of the class are made once per pass and kept in step.

void AdaptToSurroundings(Generator& g, int a, int b, int c) {
  NeighbourCounts near_b(g, b);
  SweepStep(g, MessageKey::StatusMatchSurroundings, WorkingPass(g).StopOnCancel(),
            [&](int x, int y) {
              if (g.grid(x, y, TerrainLayerA) == a && near_b.At(x, y) > 4) {
                SetCellClassMirrored(g, near_b, x, y, c);
              }
            });
}

void MatchEdges(Generator& g, int a, int b, int n, int c1, int c2) {
  NeighbourCounts near_n(g, n);
  SweepStep(g, MessageKey::StatusMatchEdges, WorkingPass(g).StopOnCancel(), [&](int x, int y) {
    const int k = g.grid(x, y, TerrainLayerA);
    if ((k == a || k == b) && near_n.At(x, y) >= 1) {
      SetCellClassMirrored(g, near_n, x, y, RandomInt(g, 0, 2) == 0 ? c1 : c2);
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
