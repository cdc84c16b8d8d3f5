#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

// The species that may live on a class: Hasen 1, Füchse 2, Hirsche 3, Rehe 4, Enten 5,
// Schafe 6; 0 where none does. Where two may, one of them is drawn.
int CandidateSpecies(Generator& g, int terrain_class) {
  switch (terrain_class) {
    case OpenLand:
      return RandomInt(g, 1, 2);
    case Water:
      return 5;
    case Forest:
      return RandomInt(g, 3, 4);
    case Savanna:
    case Steppe:
      return RandomInt(g, 1, 2) == 2 ? 6 : 1;
    default:
      return 0;
  }
}

}  // namespace

void PlaceAnimals(Generator& g) {
  // A symmetric map places every animal twice, so each cell gets half the chance.
  const int draw_range = g.run.symmetric ? 400 : 200;
  SweepStep(g, MessageKey::StatusInsertAnimals, WorkingPass(g).ReportMapShare(), [&](int x, int y) {
    const int r = RandomInt(g, 0, draw_range);
    const int k = CandidateSpecies(g, g.grid(x, y, TerrainLayerA));
    if (k == 0) {
      WriteMirrored(g, x, y, AnimalLayer, 0);
    } else if (r < g.run.SliderTiere[k]) {
      WriteMirrored(g, x, y, AnimalLayer, static_cast<std::uint8_t>(k));
    }
  });
}

}  // namespace swd
