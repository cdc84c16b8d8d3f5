#pragma once

#include <array>

#include "model/terrain.hpp"
#include "regions/region_walk.hpp"

namespace swd {

// The region steps side by side: where seeds are drawn, what a seed needs, which cells a
// walker enters and which it paints.

// Lakes and moors start well inside the land and wander over meadow only, painting where
// enough meadow is near to keep them off the coast.
inline constexpr RegionUse kLakeUse{
    .window = SeedWindow::CentralSevenths,
    .seed = SeedNeeds(CountIs({OpenLand, OpenLand, OpenLand}, 25)),
    .entry = EntryTest::Meadow,
    .paint = CountAtLeast({OpenLand, OpenLand, OpenLand}, 11),
    .records_ranges = false,
};

// Climate regions of classes 2 and 3 start on meadow or away from water, class 4 also away
// from forest and class 3. Their walkers never enter water or the classes from 6 up, and
// paint every cell they enter.
constexpr RegionUse ClimateUse(int c) {
  return {
      .window = SeedWindow::WholeMap,
      .seed = MeadowOr(CountIs(c == Savanna ? std::array<int, 3>{Water, Forest, Swamp}
                                            : std::array<int, 3>{Water, Water, Water},
                               0)),
      .entry = EntryTest::MeadowOrOwnClassUpTo5,
      .paint = NoTest(),
      .records_ranges = false,
  };
}

// Mountain ranges keep away from water and are recorded for the resource veins.
inline constexpr RegionUse kMountainRangeUse{
    .window = SeedWindow::WholeMap,
    .seed = SeedNeeds(CountIs({Water, Water, Water}, 0)),
    .entry = EntryTest::Meadow,
    .paint = CountIs({Water, Water, Water}, 0),
    .records_ranges = true,
};

// Dry regions start away from water, forest, class 3 and mountains, and keep away from the
// first three while they grow.
inline constexpr RegionUse kDryRegionUse{
    .window = SeedWindow::WholeMap,
    .seed =
        SeedNeeds(CountIs({Water, Forest, Swamp}, 0), CountIs({Mountain, Mountain, Mountain}, 0)),
    .entry = EntryTest::Meadow,
    .paint = CountIs({Water, Forest, Swamp}, 0),
    .records_ranges = false,
};

}  // namespace swd
