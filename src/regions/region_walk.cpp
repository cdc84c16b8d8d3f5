#include "regions/region_walk.hpp"

#include <algorithm>
#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "model/random_walk.hpp"

namespace swd {

namespace {

constexpr int kSeedDraws = 200;

float IntOf(double v) {
  return static_cast<float>(std::floor(v));
}

// Records the cells a mountain walk paints as one range of the list. Past the last range
// number every new range reuses it; past the last point number every cell overwrites it.
class RangeRecorder {
 public:
  RangeRecorder(RangePointList& list, bool active) : list_(list), active_(active) {}

  void StartRange(int seed_x, int seed_y, bool seed_was_mountain) {
    if (!active_) return;
    points_ = 0;
    if (list_.count < RangePointList::kMaxRanges) ++list_.count;
    if (!seed_was_mountain) Add(seed_x, seed_y);
  }
  void Add(int x, int y) {
    if (!active_) return;
    if (points_ < RangePointList::kMaxPoints) ++points_;
    list_.Point(list_.count, points_) = {static_cast<std::int16_t>(x),
                                         static_cast<std::int16_t>(y)};
  }
  void EndRange() {
    if (active_) list_.lengths[list_.count] = points_;
  }

 private:
  RangePointList& list_;
  bool active_;
  int points_ = 0;
};

bool SeedPasses(const Generator& g, const SeedTest& t, int x, int y) {
  if (t.meadow_passes && g.grid(x, y, TerrainLayerA) == OpenLand) return true;
  return t.first.Passes(g, x, y) && t.second.Passes(g, x, y);
}

bool MayEnter(EntryTest t, int k, int c) {
  switch (t) {
    case EntryTest::Meadow:
      return k == OpenLand;
    case EntryTest::MeadowOrOwnClassUpTo5:
      return (k == OpenLand || k >= c) && k <= Steppe;
  }
  return false;
}

DrawWindow SeedWindowOf(const Generator& g, SeedWindow w) {
  if (w == SeedWindow::CentralSevenths) {
    const int width = g.run.MapWidth;
    const int height = g.run.MapHeight;
    return {std::floor(width / 7.0), std::floor(6.0 * width / 7.0), std::floor(height / 7.0),
            std::floor(6.0 * height / 7.0)};
  }
  return WholeMapWindow(g);
}

// One region: seed search, the seed painted, then the walk.
void GrowRegion(Generator& g, int c, const RegionUse& use, RangeRecorder& ranges) {
  const StartCell seed = DrawStartCell(g, SeedWindowOf(g, use.window), kSeedDraws,
                                       [&](int x, int y) { return SeedPasses(g, use.seed, x, y); });
  if (!seed.found) return;

  ranges.StartRange(seed.x, seed.y, g.grid(seed.x, seed.y, TerrainLayerA) == Mountain);
  SetCellClassMirrored(g, seed.x, seed.y, c);
  const AmountTables& a = g.amounts;
  const int steps = RandomInt(g, a.RegionMinSize[c], a.RegionMaxSize[c]);
  RandomWalk(
      g, seed.x, seed.y, steps, WalkEdge::Wrap,
      [&](int x, int y) { return MayEnter(use.entry, g.grid(x, y, TerrainLayerA), c); },
      [&](int x, int y) {
        if (!use.paint.Passes(g, x, y)) return;
        SetCellClassMirrored(g, x, y, c);
        ranges.Add(x, y);
      });
  ranges.EndRange();
}

}  // namespace

bool BlockCount::Passes(const Generator& g, int x, int y) const {
  if (compare == Any) return true;
  const int n = CountClassNear5(g, x, y, classes[0], classes[1], classes[2]);
  return compare == Equal ? n == bound : n >= bound;
}

void RegionAmounts(Generator& g, int c, MissingBase missing) {
  AmountTables& a = g.amounts;
  const double count_factor = SliderFactor(g.run.Slider1[c]);
  const double size_factor = SliderFactor(g.run.Slider2[c]);
  float& count = a.RegionCount[c];
  float& min_size = a.RegionMinSize[c];
  float& max_size = a.RegionMaxSize[c];
  if (g.run.CheckFlaechenvariante) {
    count = std::max(IntOf(0.5 + count_factor * a.RegionCountBase[c]), 1.0f);
    min_size = IntOf(0.5 + size_factor * a.RegionMinSizeBase[c]);
    max_size = IntOf(0.5 + size_factor * a.RegionMaxSizeBase[c]);
  } else {
    const float base = a.RegionCountBase[c];
    if (base > 0) {
      count = static_cast<float>(RandomInt(g, std::floor(base / 3.0f), std::floor(base)));
    } else if (missing == MissingBase::CountOne) {
      count = 1;
    } else {
      // Without a base count nothing is drawn, and no earlier run's count is reused.
      count = -1;
      min_size = max_size = 0;
      return;
    }
    count = IntOf(0.5 + count_factor * count);
    if (count == 0) count = -1;
    min_size = IntOf(0.5 + size_factor * static_cast<double>(a.RegionMinSizeBase[c] / count));
    max_size = IntOf(0.5 + size_factor * static_cast<double>(a.RegionMaxSizeBase[c] / count));
  }
  if (g.run.symmetric) {
    // Every painted cell is painted twice, on the cell and on its mirror.
    for (float* v : {&count, &min_size, &max_size})
      *v = std::floor(*v / 2.0f);
  }
}

bool RegionWalk(Generator& g, int c, const RegionUse& use) {
  RangeRecorder ranges(g.ranges, use.records_ranges);
  const double count = g.amounts.RegionCount[c];
  for (int k = 0; k <= count; ++k) {
    GrowRegion(g, c, use, ranges);
    if (count > 0) SetBar(g, Percent(k, count));
    RefreshPreview(g);
    YieldToUser(g);
    if (CancelRequested(g)) return false;
  }
  return true;
}

}  // namespace swd
