#pragma once

#include <array>

#include "regions/region_walk.hpp"

namespace swd {

// The region steps side by side: where seeds are drawn, what a seed needs, which cells a
// walker enters and which it paints.

// Lakes and moors start well inside the land and wander over meadow only, painting where
// enough meadow is near to keep them off the coast.
inline constexpr RegionUse kLakeUse{
    .window = SeedWindow::CentralSevenths,
    .seed = SeedNeeds(CountIs({0, 0, 0}, 25)),
    .entry = EntryTest::Meadow,
    .paint = CountAtLeast({0, 0, 0}, 11),
    .records_ranges = false,
};

// Climate regions of classes 2 and 3 start on meadow or away from water, class 4 also away
// from forest and class 3. Their walkers never enter water or the classes from 6 up, and
// paint every cell they enter.
constexpr RegionUse ClimateUse(int c) {
  return {
      .window = SeedWindow::WholeMap,
      .seed = MeadowOr(CountIs(c == 4 ? std::array{1, 2, 3} : std::array{1, 1, 1}, 0)),
      .entry = EntryTest::MeadowOrOwnClassUpTo5,
      .paint = NoTest(),
      .records_ranges = false,
  };
}

// Mountain ranges keep away from water and are recorded for the resource veins.
inline constexpr RegionUse kMountainRangeUse{
    .window = SeedWindow::WholeMap,
    .seed = SeedNeeds(CountIs({1, 1, 1}, 0)),
    .entry = EntryTest::Meadow,
    .paint = CountIs({1, 1, 1}, 0),
    .records_ranges = true,
};

// Dry regions start away from water, forest, class 3 and mountains, and keep away from the
// first three while they grow.
inline constexpr RegionUse kDryRegionUse{
    .window = SeedWindow::WholeMap,
    .seed = SeedNeeds(CountIs({1, 2, 3}, 0), CountIs({7, 7, 7}, 0)),
    .entry = EntryTest::Meadow,
    .paint = CountIs({1, 2, 3}, 0),
    .records_ranges = false,
};

}  // namespace swd
