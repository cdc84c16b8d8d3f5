#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "regions/region_cells.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

constexpr int kDry = 6;

// Paints the cell at offset (dx, dy) from (x, y) and, on a symmetric base, its mirror.
void PaintOasisCell(Generator& g, int x, int y, int dx, int dy, int c) {
  SetCellClass(g, WrapIndex(x + dx, g.run.MapWidth), WrapIndex(y + dy, g.run.MapHeight), c);
  if (IsSymmetric(g.run)) {
    const auto [mx, my] = WrappedMirror(g, x, y, dx, dy);
    SetCellClass(g, mx, my, c);
  }
}

// A water cell ringed by class 4 and then class 5.
void BuildOasis(Generator& g, int x, int y) {
  SetCellClassMirrored(g, x, y, 1);
  for (int i = 0; i <= 7; ++i)
    PaintOasisCell(g, x, y, RingOffsetX[i], RingOffsetY[i], 4);
  for (int i = 9; i <= 24; ++i)
    PaintOasisCell(g, x, y, RingOffsetX[i], RingOffsetY[i], 5);
}

}  // namespace

void InsertOases(Generator& g) {
  BeginStep(g, g.run.LandscapeType == Gruenland ? "Füge Oasen ein" : "");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  // The whole map, also on a symmetric base: an oasis in either half is mirrored.
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      if (g.grid(x, y, TerrainLayerA) != kDry) continue;
      const int n = CountClassNear5(g, x, y, 6, 5, 4);
      const int r = RandomInt(g, 0, 200);
      if (n == 25 && r < 5) BuildOasis(g, x, y);
    }
    ReportProgress(g, Percent(x, w));
  }
  EndStep(g);
}

}  // namespace swd
