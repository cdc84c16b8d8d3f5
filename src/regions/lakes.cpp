#include "model/progress.hpp"
#include "regions/region_steps.hpp"
#include "regions/region_uses.hpp"
#include "shape/coast_passes.hpp"

namespace swd {

void CreateLakesAndMoors(Generator& g) {
  ShowBar(g, true);
  RegionAmounts(g, Water);
  ShowStatus(g, g.run.LandscapeType == Oedland ? MessageKey::StatusCreateMoors
                                               : MessageKey::StatusCreateLakes);
  if (!RegionWalk(g, Water, kLakeUse)) return;
  EndStep(g);
  RunCoastPasses(g, kLakeShore);
}

}  // namespace swd
