#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "regions/region_cells.hpp"
#include "regions/region_steps.hpp"

namespace swd {

void CheckHeights(Generator& g) {
  BeginStep(g, "Überprüfe Höhen");
  const int w = g.run.MapWidth;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= g.run.RowLimit; ++y) {
      if (g.grid(x, y, HeightLayer) == 0) SetHeightMirrored(g, x, y, 1);
    }
    ReportProgress(g, Percent(x, w));
  }
  EndStep(g);
}

void SmoothLandscape(Generator& g) {
  BeginStep(g, "Glätte Landschaft");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= g.run.RowLimit; ++y) {
      const int own = g.grid(x, y, HeightLayer);
      int sum = 0;
      for (int i = 0; i <= 7; ++i) {
        sum += own - g.grid(WrapIndex(x + RingOffsetX[i], w), WrapIndex(y + RingOffsetY[i], h),
                            HeightLayer);
      }
      const int t = static_cast<int>(std::floor(sum / 14.0));
      AddHeight(g, x, y, -t);
      if (IsSymmetric(g.run)) {
        const auto [mx, my] = MirrorCell(g, x, y);
        AddHeight(g, mx, my, -t);
      }
    }
    ReportProgress(g, Percent(x, w));
  }
  EndStep(g);
}

void PickFlowers(Generator& g) {
  BeginStep(g, "Pflücke Blumen");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (g.grid(x, y, TerrainLayerA) != 0) continue;
      if (RandomInt(g, 0, 100) > 5) g.grid(x, y, TerrainLayerA) = g.grid(x, y, TerrainLayerB) = 2;
    }
    ReportProgress(g, Percent(y, h));
  }
  EndStep(g);
}

}  // namespace swd
