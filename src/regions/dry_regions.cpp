#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

// Upper ends of the bands of a draw 0..100 and their classes. The last band also takes 100,
// so that no draw is left without a class.
struct Band {
  int last;
  int terrain_class;
};
constexpr Band kSavannaBands[] = {{20, 4}, {100, 6}};

int SavannaOrDryClass(int r) {
  for (const Band& b : kSavannaBands) {
    if (r <= b.last) return b.terrain_class;
  }
  return kSavannaBands[1].terrain_class;
}

}  // namespace

void CreateSteppesAndSavannas(Generator& g, int k) {
  BeginStep(g, "Schaffe Steppen und Savannen");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= g.run.RowLimit; ++y) {
      if (g.grid(x, y, TerrainLayerA) != k) continue;
      int same = 0;
      for (int i = 0; i <= 8; ++i) {
        same += g.grid(WrapIndex(x + RingOffsetX[i], w), WrapIndex(y + RingOffsetY[i], h),
                       TerrainLayerA) == k;
      }
      if (same < 8) continue;
      SetCellClassMirrored(g, x, y, SavannaOrDryClass(RandomInt(g, 0, 100)));
    }
    ReportProgress(g, Percent(x, w));
    if (CancelRequested(g)) return;
  }
  EndStep(g);
}

}  // namespace swd
