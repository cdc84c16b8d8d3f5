#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

// Upper ends of the bands of a draw 0..100 and their classes. The last band also takes 100,
// so that no draw is left without a class.
struct Band {
  int last;
  int terrain_class;
};
constexpr Band kSavannaBands[] = {{20, Savanna}, {100, Desert}};

int SavannaOrDryClass(int r) {
  for (const Band& b : kSavannaBands) {
    if (r <= b.last) return b.terrain_class;
  }
  return kSavannaBands[1].terrain_class;
}

}  // namespace

void CreateSteppesAndSavannas(Generator& g, int k) {
  SweepStep(g, MessageKey::StatusCreateSteppesAndSavannas, WorkingPass(g).StopOnCancel(),
            [&](int x, int y) {
              if (g.grid(x, y, TerrainLayerA) != k) return;
              const int same = CountNeighbours(g, x, y, kBlock3, [&](int nx, int ny) {
                return g.grid(nx, ny, TerrainLayerA) == k;
              });
              if (same < 8) return;
              SetCellClassMirrored(g, x, y, SavannaOrDryClass(RandomInt(g, 0, 100)));
            });
}

}  // namespace swd
