#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "model/primitives.hpp"
#include "regions/mountain_runs.hpp"
#include "regions/region_fixture.hpp"
#include "regions/region_steps.hpp"

namespace swd {
namespace {

using test::Paint;
using test::StepFixture;

// The run as the plain walk counts it, one cell after the other.
int WalkedRun(const StepFixture& f, int x, int y, int dx, int dy, int cap) {
  const int w = f.g->run.MapWidth, h = f.g->run.MapHeight;
  int n = 0;
  while (n < cap && f.At(x, y, TerrainLayerA) == 7) {
    ++n;
    x = WrapIndex(x + dx, w);
    y = WrapIndex(y + dy, h);
  }
  return n;
}

TEST(MountainRunLengths, MatchThePlainWalkOnRandomAndAllMountainGrids) {
  struct Grid {
    int w, h;
    double mountain;  // share of mountain cells
  };
  std::mt19937 rnd(7);
  for (const Grid& grid : {Grid{32, 32, 0.5}, Grid{48, 32, 0.9}, Grid{32, 80, 0.97},
                           Grid{64, 64, 1.0}, Grid{48, 32, 1.0}}) {
    StepFixture f(grid.w, grid.h);
    std::bernoulli_distribution is_mountain(grid.mountain);
    Paint(f, [&](int, int) { return is_mountain(rnd) ? 7 : 0; });
    if (grid.mountain < 1) {  // one line each way that is mountain all the way round
      for (int x = 0; x < grid.w; ++x)
        f.SetClass(x, 3, 7);
      for (int y = 0; y < grid.h; ++y)
        f.SetClass(5, y, 7);
    }
    const int cap = std::max(grid.w, grid.h);
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        if (dx == 0 && dy == 0) continue;
        const auto runs = MountainRunLengths(*f.g, dx, dy, cap);
        for (int y = 0; y < grid.h; ++y)
          for (int x = 0; x < grid.w; ++x)
            ASSERT_EQ(runs[x + grid.w * y], WalkedRun(f, x, y, dx, dy, cap))
                << grid.w << "x" << grid.h << " at " << x << "," << y << " dir " << dx << "," << dy;
      }
  }
}

TEST(RoughenMountains, DepthRaisesMountainsAndCapsThemFromTheThresholdOfTheType) {
  struct Case {
    int type, top_class, first_top_depth;
  };
  for (Case c : {Case{Gruenland, 8, 4}, Case{Oedland, 8, 4}, Case{Winterland, 9, 7}}) {
    StepFixture f(48, 48, c.type);
    Paint(f, [](int x, int y) { return x >= 10 && x <= 24 && y >= 10 && y <= 24 ? 7 : 0; });
    for (int x = 30; x <= 40; ++x)
      f.SetClass(x, 30, 7);  // a ridge one cell wide
    f.g->grid(17, 17, ResourceLayer) = 70;
    RoughenMountains(*f.g);
    const int base = f.g->tables.ClassBaseHeight[7];
    for (int y = 10; y <= 24; ++y)
      for (int x = 10; x <= 24; ++x) {
        const int depth = 1 + std::min({x - 10, y - 10, 24 - x, 24 - y});
        EXPECT_EQ(f.At(x, y, HeightLayer), base + 2 * depth);
        const bool top = depth >= c.first_top_depth;
        EXPECT_EQ(f.At(x, y, TerrainLayerA), top ? c.top_class : 7) << x << "," << y;
        EXPECT_EQ(f.At(x, y, TerrainLayerB), top ? c.top_class : 7);
        if (top) {
          EXPECT_EQ(f.At(x, y, PropertyLayer), 104);
          EXPECT_EQ(f.g->preview.Get(x, y), f.g->tables.ClassPreviewColour[8]);
        }
      }
    EXPECT_EQ(f.At(17, 17, ResourceLayer), 0);
    for (int x = 30; x <= 40; ++x) {
      EXPECT_EQ(f.At(x, 30, HeightLayer), base + 2);
      EXPECT_EQ(f.At(x, 30, TerrainLayerA), 7);
    }
    EXPECT_EQ(f.host.statuses,
              (std::vector<std::string>{
                  "Mache Berge gebirgig",
                  c.type == Oedland ? "Schaffe Lavaflächen" : "Schaffe Schneeflächen", ""}));
    ASSERT_EQ(f.host.progress.size(), 48u + 49u);
    EXPECT_EQ(f.host.progress.back(), 100);
  }
}

TEST(RoughenMountains, MountainFromEdgeToEdgeStopsAtTheLongerSideAndStaysAByte) {
  for (int side : {32, 256}) {
    StepFixture f(side, side, Gruenland, 7);  // also the column and row beyond the map
    RoughenMountains(*f.g);
    const int expected = std::min(32 + 2 * side, 255);
    for (int x = 0; x <= side; ++x) {
      // Row 0, the column and the row beyond the map have no depth: plain mountain.
      EXPECT_EQ(f.At(x, 0, HeightLayer), 32);
      EXPECT_EQ(f.At(x, 0, TerrainLayerA), 7);
      EXPECT_EQ(f.At(x, side, HeightLayer), 32);
    }
    for (int y = 1; y < side; ++y) {
      EXPECT_EQ(f.At(side, y, HeightLayer), 32);
      for (int x = 0; x < side; ++x) {
        ASSERT_EQ(f.At(x, y, HeightLayer), expected) << x << "," << y;
        ASSERT_EQ(f.At(x, y, TerrainLayerA), 8);
      }
    }
  }
}

}  // namespace
}  // namespace swd
