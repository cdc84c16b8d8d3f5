#include <array>

#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "objects/object_cells.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

// Plants a tree on every forest cell; `only_free` leaves cells that carry an object.
void PlantForests(Generator& g, MessageKey status, bool only_free) {
  BeginStep(g, status);
  YieldToUser(g);
  Sweep(g, WorkingPass(g).ReportMapShare(), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != Forest) return;
    if (only_free && g.grid(x, y, PropertyLayer) == kOccupied) return;
    const TreeKind& k = kTreeKinds[RandomInt(g, 0, 3)];
    PlantTree(g, x, y, k.type, k.first, k.last, g.run.symmetric);
  });
  EndStep(g);
}

// Forest ground without trees yet: the height stays, the object layers too.
void MakeForest(Generator& g, int x, int y) {
  g.grid(x, y, TerrainLayerA) = Forest;
  g.grid(x, y, TerrainLayerB) = Forest;
  g.grid(x, y, PropertyLayer) = g.tables.ClassPropertyCode[Forest];
  g.preview.Set(x, y, g.tables.ClassPreviewColour[Forest]);
}

}  // namespace

void FillForests(Generator& g) {
  PlantForests(g, MessageKey::StatusFillForests, false);
}

void PlaceTrees(Generator& g) {
  PlantForests(g, MessageKey::StatusPlaceTrees, true);
}

void CreateSmallTreeGroups(Generator& g) {
  const auto make_forest = [&](int x, int y) { MakeForest(g, x, y); };
  SweepStep(g, MessageKey::StatusCreateTreeGroups, WorkingPass(g).ReportMapShare().StopOnCancel(),
            [&](int x, int y) {
              if (g.grid(x, y, TerrainLayerA) != OpenLand) return;
              // The block is counted only for the few cells the draw lets through: the
              // draw changes nothing the count reads.
              const int r = RandomInt(g, 0, 200);
              if (r >= g.run.SliderBaumgruppen ||
                  CountClassNear5(g, x, y, OpenLand, OpenLand, OpenLand) != 25) {
                return;
              }
              ForCellAndMirror(g, x, y, make_forest);
              ForEachNeighbour(g, x, y, kBlock3, [&](const Neighbour& t) {
                const int coin = RandomInt(g, 0, 1);
                if (g.grid(t.x, t.y, TerrainLayerA) != OpenLand || coin != 1) return;
                ForNeighbourAndMirror(g, x, y, t, make_forest);
              });
            });
}

}  // namespace swd
