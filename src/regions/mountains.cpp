#include <array>

#include "model/progress.hpp"
#include "regions/region_steps.hpp"
#include "regions/region_uses.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

constexpr int kMountain = 7;
constexpr int kDry = 6;

constexpr std::array<const char*, 3> kDryStatus{
    "Wüstenregionen werden geschaffen", "Ödland wird geschaffen", "Eisregionen werden geschaffen"};

void CloseMountains(Generator& g) {
  AdaptToSurroundings(g, 0, 7, 7);
  if (g.run.LandscapeType == Winterland) return;
  // Mountain meadows along the foot of the ranges.
  MatchEdges(g, 0, 6, 7, 9, 9);
  MatchEdges(g, 5, 5, 9, 9, 9);
}

void CloseDryRegions(Generator& g) {
  if (g.run.LandscapeType == Winterland) {
    AdaptToSurroundings(g, 0, 6, 8);
    AdaptToSurroundings(g, 0, 6, 3);
    return;
  }
  AdaptToSurroundings(g, 0, 6, 6);
  AdaptToSurroundings(g, 0, 6, 6);
  CreateSteppesAndSavannas(g, kDry);
}

}  // namespace

void CreateMountainRanges(Generator& g) {
  g.host->ShowProgress(true);
  g.ranges.Clear();

  RegionAmounts(g, kMountain);
  g.host->SetStatus("Gebirgszüge werden geschaffen");
  if (!RegionWalk(g, kMountain, kMountainRangeUse)) return;
  EndStep(g);
  CloseMountains(g);

  RegionAmounts(g, kDry);
  g.host->SetStatus(kDryStatus[g.run.LandscapeType]);
  if (!RegionWalk(g, kDry, kDryRegionUse)) return;
  EndStep(g);
  CloseDryRegions(g);

  // Belts of class 5 and, outside them, class 4 round the dry regions.
  MatchEdges(g, 0, 0, 6, 5, 5);
  MatchEdges(g, 0, 0, 5, 4, 4);
}

}  // namespace swd
