#include <array>

#include "model/progress.hpp"
#include "regions/region_steps.hpp"
#include "regions/region_uses.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

// Forests, class 3 and class 4 in this order, each with its status text and the class that
// meadow pockets among it become, by landscape type.
struct ClimateClass {
  int c;
  std::array<const char*, 3> status;
  std::array<int, 3> pocket_class;
  RegionUse use;
};

constexpr std::array<ClimateClass, 3> kClimateClasses{{
    {2,
     {"Wälder werden geschaffen", "Wälder werden geschaffen", "Wälder werden geschaffen"},
     {2, 2, 2},
     ClimateUse(2)},
    {3,
     {"Sümpfe werden geschaffen", "Lava wird geschaffen", "Eis wird geschaffen"},
     {1, 10, 8},
     ClimateUse(3)},
    {4,
     {"Savannen werden geschaffen", "Tundra wird geschaffen", "Steppen werden geschaffen"},
     {5, 5, 5},
     ClimateUse(4)},
}};

}  // namespace

void CreateClimateRegions(Generator& g) {
  const int type = g.run.LandscapeType;
  g.host->ShowProgress(true);
  for (const ClimateClass& k : kClimateClasses) {
    RegionAmounts(g, k.c, MissingBase::CountOne);
    g.host->SetStatus(k.status[type]);
    if (!RegionWalk(g, k.c, k.use)) return;
    EndStep(g);
    AdaptToSurroundings(g, 0, k.c, k.pocket_class[type]);
  }
}

}  // namespace swd
