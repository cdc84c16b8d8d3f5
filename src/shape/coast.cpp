#include <string_view>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

using Rule = CoastPass::Rule;

// The sand-like classes 4, 5, 6 along the water, 6 nearest to it; in winter meadow at the
// water turns to ice (6) and ice at the water to floes (8 or 3). The absorbing pass runs
// twice so that thin spits of land vanish.
constexpr CoastPass kStandardCoast[] = {
    {Rule::Adapt, {0, 1, 1}},
    {Rule::Adapt, {0, 1, 1}},
    {Rule::Match, {0, 0, 1, 4, 5}},
    {Rule::Match, {4, 5, 1, 5, 6}},
};
constexpr CoastPass kWinterCoast[] = {
    {Rule::Adapt, {0, 1, 6}},
    {Rule::Adapt, {0, 1, 6}},
    {Rule::Match, {0, 0, 1, 6, 6}},
    {Rule::Match, {6, 6, 1, 8, 3}},
};

// Of the eight neighbours (ring 1), wrapped round the map edges, those of class c.
int NeighboursOfClass(const Generator& g, int x, int y, int c) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  int count = 0;
  for (int k = 0; k <= 7; ++k) {
    if (g.grid(WrapIndex(x + RingOffsetX[k], w), WrapIndex(y + RingOffsetY[k], h), TerrainLayerA) ==
        c) {
      ++count;
    }
  }
  return count;
}

// Visits the columns 0..MapWidth-1 and in each the rows 0..RowLimit; after each column it
// reports, yields and stops early when the cancel key is held (leaving the bar shown).
template <class Visit>
void SweepColumns(Generator& g, std::string_view status, Visit&& visit) {
  BeginStep(g, status);
  const int w = g.run.MapWidth;
  const int last_row = g.run.RowLimit;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= last_row; ++y)
      visit(x, y);
    ReportProgress(g, Percent(x, w));
    if (CancelRequested(g)) return;
  }
  EndStep(g);
}

}  // namespace

void AdaptToSurroundings(Generator& g, int a, int b, int c) {
  SweepColumns(g, "Angleichen an Umgebung", [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) == a && NeighboursOfClass(g, x, y, b) > 4) {
      SetCellClassMirrored(g, x, y, c);
    }
  });
}

void MatchEdges(Generator& g, int a, int b, int n, int c1, int c2) {
  SweepColumns(g, "Ränder werden angeglichen", [&](int x, int y) {
    const int k = g.grid(x, y, TerrainLayerA);
    if ((k == a || k == b) && NeighboursOfClass(g, x, y, n) >= 1) {
      SetCellClassMirrored(g, x, y, RandomInt(g, 0, 2) == 0 ? c1 : c2);
    }
  });
}

void RunCoastPasses(Generator& g, std::span<const CoastPass> passes) {
  for (const CoastPass& p : passes) {
    const auto& k = p.classes;
    if (p.rule == Rule::Adapt) {
      AdaptToSurroundings(g, k[0], k[1], k[2]);
    } else {
      MatchEdges(g, k[0], k[1], k[2], k[3], k[4]);
    }
  }
}

void FinishCoast(Generator& g, CoastVariant variant) {
  if (variant == CoastVariant::Winter) {
    RunCoastPasses(g, kWinterCoast);
  } else {
    RunCoastPasses(g, kStandardCoast);
  }
}

void FinishCoastByType(Generator& g) {
  FinishCoast(g, g.run.LandscapeType == Winterland ? CoastVariant::Winter : CoastVariant::Standard);
}

}  // namespace swd
