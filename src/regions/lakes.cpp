#include "model/progress.hpp"
#include "regions/region_steps.hpp"
#include "regions/region_uses.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {
constexpr int kWater = 1;
}  // namespace

void CreateLakesAndMoors(Generator& g) {
  g.host->ShowProgress(true);
  RegionAmounts(g, kWater);
  g.host->SetStatus(g.run.LandscapeType == Oedland ? "Moore werden geschaffen"
                                                   : "Seen werden geschaffen");
  if (!RegionWalk(g, kWater, kLakeUse)) return;
  EndStep(g);
  // Meadow pockets in the lakes fill up, and the lakes get a shore of classes 4 and 5.
  AdaptToSurroundings(g, 0, 1, 1);
  AdaptToSurroundings(g, 0, 1, 1);
  MatchEdges(g, 0, 0, 1, 4, 5);
}

}  // namespace swd
