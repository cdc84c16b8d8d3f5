#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "objects/column_pass.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

// The species that may live on a class: Hasen 1, Füchse 2, Hirsche 3, Rehe 4, Enten 5,
// Schafe 6; 0 where none does. Where two may, one of them is drawn.
int CandidateSpecies(Generator& g, int terrain_class) {
  switch (terrain_class) {
    case 0:
      return RandomInt(g, 1, 2);
    case 1:
      return 5;
    case 2:
      return RandomInt(g, 3, 4);
    case 4:
    case 5:
      return RandomInt(g, 1, 2) == 2 ? 6 : 1;
    default:
      return 0;
  }
}

}  // namespace

void PlaceAnimals(Generator& g) {
  BeginStep(g, "Füge Tiere ein");
  const int last_row = g.run.RowLimit;
  // A symmetric map places every animal twice, so each cell gets half the chance.
  const int draw_range = IsSymmetric(g.run) ? 400 : 200;
  for (int x = 0; x < g.run.MapWidth; ++x) {
    for (int y = 0; y <= last_row; ++y) {
      const int r = RandomInt(g, 0, draw_range);
      const int k = CandidateSpecies(g, g.grid(x, y, TerrainLayerA));
      if (k == 0) {
        WriteMirrored(g, x, y, AnimalLayer, 0);
      } else if (r < g.run.SliderTiere[k]) {
        WriteMirrored(g, x, y, AnimalLayer, static_cast<std::uint8_t>(k));
      }
    }
    ReportProgress(g, ColumnPercent(g, x, last_row));
  }
  EndStep(g);
}

}  // namespace swd
