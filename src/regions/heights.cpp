#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "regions/region_cells.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

// Borders between these classes meet at the height halfway between their base heights.
struct Equalized {
  int a, b;
};
constexpr Equalized kEqualized[] = {{7, 9}, {2, 1}, {3, 1}, {7, 8}};

// Interiors of class p, away from the classes q, r and s, get a random relief.
struct Manipulated {
  int p, q, r, s;
};
constexpr Manipulated kManipulated[] = {
    {0, 9, 2, 3}, {7, 9, 8, 10}, {6, 1, 4, 1}, {5, 1, 3, 1}, {2, 1, 9, 0}};

}  // namespace

void ShapeHeights(Generator& g) {
  const auto& base = g.tables.ClassBaseHeight;
  for (const Equalized& e : kEqualized) {
    EqualizeHeights(g, e.a, e.b, static_cast<int>(std::floor((base[e.a] + base[e.b]) / 2.0)));
  }
  for (const Manipulated& m : kManipulated)
    ManipulateHeights(g, m.p, m.q, m.r, m.s);
}

void EqualizeHeights(Generator& g, int a, int b, int h) {
  BeginStep(g, "Gleiche Höhen an");
  const int w = g.run.MapWidth;
  const int map_h = g.run.MapHeight;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= g.run.RowLimit; ++y) {
      if (g.grid(x, y, TerrainLayerA) != a) continue;
      for (int i = 0; i <= 7; ++i) {
        const int nx = WrapIndex(x + RingOffsetX[i], w);
        const int ny = WrapIndex(y + RingOffsetY[i], map_h);
        if (g.grid(nx, ny, TerrainLayerA) == b) {
          SetHeightMirrored(g, x, y, h);
          break;
        }
      }
    }
    ReportProgress(g, Percent(x, w));
    if (CancelRequested(g)) return;
  }
  EndStep(g);
}

void ManipulateHeights(Generator& g, int p, int q, int r, int s) {
  BeginStep(g, "Höhenmanipulation");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  const bool symmetric = IsSymmetric(g.run);
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= g.run.RowLimit; ++y) {
      if (g.grid(x, y, TerrainLayerA) != p || CountClassNear5(g, x, y, q, r, s) != 0) continue;
      const int d = RandomInt(g, -1, 1);
      for (int i = 0; i <= 8; ++i)
        AddHeight(g, WrapIndex(x + RingOffsetX[i], w), WrapIndex(y + RingOffsetY[i], h), d);
      if (!symmetric) continue;
      for (int i = 0; i <= 8; ++i) {
        const auto [mx, my] = WrappedMirror(g, x, y, RingOffsetX[i], RingOffsetY[i]);
        AddHeight(g, mx, my, d);
      }
    }
    ReportProgress(g, Percent(x, w));
  }
  EndStep(g);
}

}  // namespace swd
