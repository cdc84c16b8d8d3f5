#include <array>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "objects/column_pass.hpp"
#include "objects/object_cells.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

// The four tree kinds, equally likely: object type and the range of object numbers.
struct TreeKind {
  std::uint8_t type;
  int first, last;
};
constexpr std::array<TreeKind, 4> kTreeKinds{
    {{196, 48, 53}, {198, 48, 53}, {196, 112, 117}, {196, 176, 181}}};

// Plants a tree on every forest cell; `only_free` leaves cells that carry an object.
void PlantForests(Generator& g, const char* status, bool only_free) {
  BeginStep(g, status);
  g.host->Yield();
  const int last_row = g.run.RowLimit;
  for (int x = 0; x < g.run.MapWidth; ++x) {
    for (int y = 0; y <= last_row; ++y) {
      if (g.grid(x, y, TerrainLayerA) != 2) continue;
      if (only_free && g.grid(x, y, PropertyLayer) == kOccupied) continue;
      const TreeKind& k = kTreeKinds[RandomInt(g, 0, 3)];
      PlantTree(g, x, y, k.type, k.first, k.last, IsSymmetric(g.run));
    }
    ReportProgress(g, ColumnPercent(g, x, last_row));
  }
  EndStep(g);
}

// Forest ground without trees yet: the height stays, the object layers too.
void MakeForest(Generator& g, int x, int y) {
  g.grid(x, y, TerrainLayerA) = 2;
  g.grid(x, y, TerrainLayerB) = 2;
  g.grid(x, y, PropertyLayer) = g.tables.ClassPropertyCode[2];
  g.preview.Set(x, y, g.tables.ClassPreviewColour[2]);
}

}  // namespace

void FillForests(Generator& g) {
  PlantForests(g, "Fülle Wald mit Bäumen", false);
}

void PlaceTrees(Generator& g) {
  PlantForests(g, "Setze Bäume", true);
}

void CreateSmallTreeGroups(Generator& g) {
  BeginStep(g, "Erzeuge kleinere Baumgruppen");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  const int last_row = g.run.RowLimit;
  const bool symmetric = IsSymmetric(g.run);
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= last_row; ++y) {
      if (g.grid(x, y, TerrainLayerA) != 0) continue;
      const int n = CountClassNear5(g, x, y, 0, 0, 0);
      const int r = RandomInt(g, 0, 200);
      if (r >= g.run.SliderBaumgruppen || n != 25) continue;
      MakeForest(g, x, y);
      if (symmetric) MakeForest(g, w - x, h - y);
      for (int j = 0; j <= 8; ++j) {
        const int coin = RandomInt(g, 0, 1);
        const int dx = RingOffsetX[j];
        const int dy = RingOffsetY[j];
        const int tx = WrapIndex(x + dx, w);
        const int ty = WrapIndex(y + dy, h);
        if (g.grid(tx, ty, TerrainLayerA) != 0 || coin != 1) continue;
        MakeForest(g, tx, ty);
        if (symmetric) {
          const auto [mx, my] = WrappedMirror(g, x, y, dx, dy);
          MakeForest(g, mx, my);
        }
      }
    }
    ReportProgress(g, ColumnPercent(g, x, last_row));
    if (CancelRequested(g)) return;
  }
  EndStep(g);
}

}  // namespace swd
