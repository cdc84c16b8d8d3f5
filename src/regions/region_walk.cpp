#include "regions/region_walk.hpp"

#include <algorithm>
#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"

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
  if (t.meadow_passes && g.grid(x, y, TerrainLayerA) == 0) return true;
  return t.first.Passes(g, x, y) && t.second.Passes(g, x, y);
}

bool MayEnter(EntryTest t, int k, int c) {
  switch (t) {
    case EntryTest::Meadow:
      return k == 0;
    case EntryTest::MeadowOrOwnClassUpTo5:
      return (k == 0 || k >= c) && k <= 5;
  }
  return false;
}

struct Window {
  double x_lo, x_hi, y_lo, y_hi;
};

Window SeedBounds(SeedWindow w, int width, int height) {
  if (w == SeedWindow::CentralSevenths) {
    return {std::floor(width / 7.0), std::floor(6.0 * width / 7.0), std::floor(height / 7.0),
            std::floor(6.0 * height / 7.0)};
  }
  return {0, width - 1.0, 0, height - 1.0};
}

// One region: seed search, the seed painted, then the walk.
void GrowRegion(Generator& g, int c, const RegionUse& use, RangeRecorder& ranges) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  const Window win = SeedBounds(use.window, w, h);
  int x = 0;
  int y = 0;
  bool found = false;
  for (int draw = 1; draw <= kSeedDraws && !found; ++draw) {
    x = RandomInt(g, win.x_lo, win.x_hi);
    y = RandomInt(g, win.y_lo, win.y_hi);
    found = SeedPasses(g, use.seed, x, y);
  }
  if (!found) return;

  ranges.StartRange(x, y, g.grid(x, y, TerrainLayerA) == 7);
  SetCellClassMirrored(g, x, y, c);
  const AmountTables& a = g.amounts;
  const int steps = RandomInt(g, a.RegionMinSize[c], a.RegionMaxSize[c]);
  for (int j = 0; j <= steps; ++j) {
    const int d = RandomInt(g, 0, 8);
    x = WrapIndex(x + RingOffsetX[d], w);
    y = WrapIndex(y + RingOffsetY[d], h);
    if (!MayEnter(use.entry, g.grid(x, y, TerrainLayerA), c)) {
      x = WrapIndex(x - RingOffsetX[d], w);
      y = WrapIndex(y - RingOffsetY[d], h);
      continue;
    }
    if (use.paint.Passes(g, x, y)) {
      SetCellClassMirrored(g, x, y, c);
      ranges.Add(x, y);
    }
  }
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
  if (IsSymmetric(g.run)) {
    // Every painted cell is painted twice, on the cell and on its mirror.
    for (float* v : {&count, &min_size, &max_size})
      *v = std::floor(*v / 2.0f);
  }
}

bool RegionWalk(Generator& g, int c, const RegionUse& use) {
  RangeRecorder ranges(g.ranges, use.records_ranges);
  const float count = g.amounts.RegionCount[c];
  for (std::int16_t k = 0; k <= count; ++k) {
    GrowRegion(g, c, use, ranges);
    if (count > 0) g.host->SetProgress(Percent(k, count));
    g.host->RefreshPreview();
    g.host->Yield();
    if (CancelRequested(g)) return false;
  }
  return true;
}

}  // namespace swd
