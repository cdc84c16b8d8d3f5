#include <array>

#include "model/progress.hpp"
#include "regions/region_steps.hpp"
#include "regions/region_uses.hpp"
#include "shape/coast_passes.hpp"

namespace swd {

namespace {

constexpr std::array<MessageKey, 3> kDesertStatus{MessageKey::StatusCreateDeserts,
                                                  MessageKey::StatusCreateWasteland,
                                                  MessageKey::StatusCreateIceRegions};

}  // namespace

void CreateMountainRanges(Generator& g) {
  ShowBar(g, true);
  g.ranges.Clear();

  RegionAmounts(g, Mountain);
  ShowStatus(g, MessageKey::StatusCreateMountainRanges);
  if (!RegionWalk(g, Mountain, kMountainRangeUse)) return;
  EndStep(g);
  RunCoastPasses(g, kMountainFoot);
  RunCoastPasses(g, kMountainMeadows);

  RegionAmounts(g, Desert);
  ShowStatus(g, kDesertStatus[g.run.LandscapeType]);
  if (!RegionWalk(g, Desert, kDryRegionUse)) return;
  EndStep(g);
  RunCoastPasses(g, kDesertEdges);
  if (g.run.LandscapeType != Winterland) CreateSteppesAndSavannas(g, Desert);
  RunCoastPasses(g, kDesertBelts);
}

}  // namespace swd
