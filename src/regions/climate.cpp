#include <array>

#include "model/progress.hpp"
#include "regions/region_steps.hpp"
#include "regions/region_uses.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

// Forests, class 3 and class 4 in this order, each with its status text and the class that
// open land enclosed by it becomes, by landscape type.
struct ClimateClass {
  int c;
  std::array<MessageKey, 3> status;
  std::array<int, 3> pocket_class;
  RegionUse use;
};

constexpr std::array<ClimateClass, 3> kClimateClasses{{
    {Forest,
     {MessageKey::StatusCreateForests, MessageKey::StatusCreateForests,
      MessageKey::StatusCreateForests},
     {Forest, Forest, Forest},
     ClimateUse(Forest)},
    {Swamp,
     {MessageKey::StatusCreateSwamps, MessageKey::StatusCreateLavaRegions,
      MessageKey::StatusCreateIce},
     {Water, Lava, Snow},
     ClimateUse(Swamp)},
    {Savanna,
     {MessageKey::StatusCreateSavannas, MessageKey::StatusCreateTundra,
      MessageKey::StatusCreateSteppes},
     {Steppe, Steppe, Steppe},
     ClimateUse(Savanna)},
}};

}  // namespace

void CreateClimateRegions(Generator& g) {
  const int type = g.run.LandscapeType;
  ShowBar(g, true);
  for (const ClimateClass& k : kClimateClasses) {
    RegionAmounts(g, k.c, MissingBase::CountOne);
    ShowStatus(g, k.status[type]);
    if (!RegionWalk(g, k.c, k.use)) return;
    EndStep(g);
    AdaptToSurroundings(g, OpenLand, k.c, k.pocket_class[type]);
  }
}

}  // namespace swd
