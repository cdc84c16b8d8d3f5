#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/primitives.hpp"
#include "regions/region_fixture.hpp"
#include "regions/region_uses.hpp"

namespace swd {
namespace {

using test::Paint;
using test::SetWalks;
using test::StepFixture;

std::vector<int> Classes(const StepFixture& f) {
  std::vector<int> v;
  for (int y = 0; y < f.g->run.MapHeight; ++y)
    for (int x = 0; x < f.g->run.MapWidth; ++x)
      v.push_back(f.At(x, y, TerrainLayerA));
  return v;
}

TEST(RegionWalk, LakeSeedsLieOnMeadowBlocksInsideTheCentralWindow) {
  StepFixture f(64, 64);
  SetWalks(f, 1, 40, -1, -1);  // no walk steps: only the seeds are painted
  ASSERT_TRUE(RegionWalk(*f.g, 1, kLakeUse));
  int lakes = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      if (f.At(x, y, TerrainLayerA) != 1) continue;
      ++lakes;
      EXPECT_TRUE(x >= 9 && x <= 54 && y >= 9 && y <= 54) << x << "," << y;
      EXPECT_EQ(f.At(x, y, HeightLayer), 16);
      EXPECT_EQ(f.At(x, y, PropertyLayer), 120);
      EXPECT_EQ(f.g->preview.Get(x, y), (Rgb{0, 0, 206}));
    }
  EXPECT_EQ(lakes, 41);  // neighbouring seeds would break the next one's meadow block

  // Meadow only outside the window: no seed, 200 draws of two numbers per region.
  StepFixture outside(64, 64);
  Paint(outside, [](int x, int y) { return x >= 9 && x <= 54 && y >= 9 && y <= 54 ? 1 : 0; });
  SetWalks(outside, 1, 2, 5, 5);
  const auto before = Classes(outside);
  ASSERT_TRUE(RegionWalk(*outside.g, 1, kLakeUse));
  EXPECT_EQ(outside.g->rng.Draws(), 3u * 400);
  EXPECT_EQ(Classes(outside), before);
}

TEST(RegionWalk, LakeWalkersStayOnMeadowAndPaintOnlyWithEnoughMeadowNear) {
  // An inner meadow square, a ring of water, an outer meadow frame too thin for a seed.
  StepFixture f(32, 32, Gruenland, 1);
  auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
  auto in_frame = [&](int x, int y) {
    return in(x, 5, 26) && in(y, 5, 26) && !(in(x, 8, 23) && in(y, 8, 23));
  };
  Paint(f,
        [&](int x, int y) { return (in(x, 10, 21) && in(y, 10, 21)) || in_frame(x, y) ? 0 : 1; });
  SetWalks(f, 1, 3, 3000, 3000);
  ASSERT_TRUE(RegionWalk(*f.g, 1, kLakeUse));
  int painted = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (in_frame(x, y)) {
        EXPECT_EQ(f.At(x, y, TerrainLayerA), 0) << x << "," << y;
      }
      painted += in(x, 10, 21) && in(y, 10, 21) && f.At(x, y, TerrainLayerA) == 1;
    }
  EXPECT_GT(painted, 10);
  // A corner of the square has 9 meadow cells in its block: never painted.
  for (auto [x, y] : {std::pair{10, 10}, {10, 21}, {21, 10}, {21, 21}})
    EXPECT_EQ(f.At(x, y, TerrainLayerA), 0);
}

TEST(RegionWalk, ClimateWalkersEnterOnlyMeadowAndTheClassesFromTheirOwnUpTo5) {
  for (int c : {2, 3, 4}) {
    StepFixture f(32, 32);
    // Water every fourth cell both ways puts water in every 5x5 block, so seeds are meadow.
    std::mt19937 rnd(static_cast<unsigned>(c));
    const int mix[] = {0, 0, 0, 2, 2, 3, 4, 5, 5, 5, 6, 7, 8, 9, 10};
    Paint(f, [&](int x, int y) { return x % 4 == 0 && y % 4 == 0 ? 1 : mix[rnd() % 15]; });
    const auto before = Classes(f);
    SetWalks(f, c, 4, 600, 600);
    ASSERT_TRUE(RegionWalk(*f.g, c, ClimateUse(c)));
    const auto after = Classes(f);
    int repainted5 = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (after[i] == before[i]) continue;
      const int k = before[i];
      EXPECT_EQ(after[i], c);
      EXPECT_TRUE((k == 0 || k >= c) && k <= 5) << "class " << c << " entered " << k;
      repainted5 += k == 5;
    }
    EXPECT_GT(repainted5, 0) << c;
  }
}

TEST(RegionWalk, ClimateSeedsNeedMeadowOrNoListedClassNear) {
  // Class 5 without water: any cell may be a seed.
  StepFixture open(32, 32, Gruenland, 5);
  SetWalks(open, 2, 0, -1, -1);
  ASSERT_TRUE(RegionWalk(*open.g, 2, ClimateUse(2)));
  EXPECT_EQ(open.Count(TerrainLayerA, [](int v) { return v == 2; }), 1);
  EXPECT_EQ(open.g->rng.Draws(), 3u);

  // Class 5 with forest in every block is fine for class 3 but not for class 4.
  StepFixture forest(32, 32, Gruenland, 5);
  Paint(forest, [](int x, int y) { return x % 4 == 0 && y % 4 == 0 ? 2 : 5; });
  SetWalks(forest, 3, 0, -1, -1);
  SetWalks(forest, 4, 0, -1, -1);
  ASSERT_TRUE(RegionWalk(*forest.g, 4, ClimateUse(4)));
  EXPECT_EQ(forest.g->rng.Draws(), 400u);
  ASSERT_TRUE(RegionWalk(*forest.g, 3, ClimateUse(3)));
  EXPECT_EQ(forest.Count(TerrainLayerA, [](int v) { return v == 3; }), 1);
}

TEST(RegionWalk, DryRegionsKeepAwayFromWaterForestAndClass3ButMayGrowToMountains) {
  StepFixture f(32, 32);
  Paint(f, [](int x, int) { return x == 0 ? 2 : (x == 16 ? 7 : 0); });
  SetWalks(f, 6, 5, 300, 300);
  ASSERT_TRUE(RegionWalk(*f.g, 6, kDryRegionUse));
  int near_mountain = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (f.At(x, y, TerrainLayerA) != 6) continue;
      EXPECT_TRUE(x >= 3 && x <= 29) << x;
      near_mountain += x == 15 || x == 17;
    }
  EXPECT_GT(near_mountain, 0);
  EXPECT_EQ(f.Count(TerrainLayerA, [](int v) { return v == 7; }), 32);
}

TEST(RegionWalk, WalksWrapRoundTheMapEdges) {
  // Land only in the six rows round the top and bottom edge; only rows 31 and 0 can be
  // painted, and a walk from either reaches the other across the edge.
  StepFixture f(32, 32, Gruenland, 1);
  Paint(f, [](int, int y) { return y <= 2 || y >= 29 ? 0 : 1; });
  SetWalks(f, 7, 0, 400, 400);
  ASSERT_TRUE(RegionWalk(*f.g, 7, kMountainRangeUse));
  int top = 0, bottom = 0;
  for (int x = 0; x < 32; ++x) {
    top += f.At(x, 0, TerrainLayerA) == 7;
    bottom += f.At(x, 31, TerrainLayerA) == 7;
  }
  EXPECT_GT(top, 0);
  EXPECT_GT(bottom, 0);
  EXPECT_EQ(f.Count(TerrainLayerA, [](int v) { return v == 7; }), top + bottom);
}

TEST(RegionWalk, ReportsAfterEveryRegionAndStopsOnCancel) {
  StepFixture f(32, 32);
  SetWalks(f, 2, 4, 0, 0);
  ASSERT_TRUE(RegionWalk(*f.g, 2, ClimateUse(2)));
  EXPECT_EQ(f.host.progress, (std::vector<int>{0, 25, 50, 75, 100}));

  StepFixture one(32, 32);
  SetWalks(one, 2, 0, 0, 0);  // a single region sets no progress value
  ASSERT_TRUE(RegionWalk(*one.g, 2, ClimateUse(2)));
  EXPECT_TRUE(one.host.progress.empty());

  StepFixture cancelled(32, 32);
  cancelled.host.cancel_after = 1;
  SetWalks(cancelled, 2, 9, -1, -1);
  EXPECT_FALSE(RegionWalk(*cancelled.g, 2, ClimateUse(2)));
  EXPECT_EQ(cancelled.g->rng.Draws(), 2u * 3);  // two regions of a seed and a length each
}

TEST(RegionWalk, ASymmetricBaseMirrorsEveryPaintedCell) {
  StepFixture f(32, 32);
  f.MakeSymmetric();
  SetWalks(f, 1, 1, 40, 40);
  ASSERT_TRUE(RegionWalk(*f.g, 1, kLakeUse));
  int lakes = 0;
  for (int y = 0; y <= 32; ++y)
    for (int x = 0; x <= 32; ++x)
      if (f.At(x, y, TerrainLayerA) == 1) {
        ++lakes;
        EXPECT_EQ(f.At(32 - x, 32 - y, TerrainLayerA), 1) << x << "," << y;
      }
  EXPECT_GT(lakes, 2);
}

}  // namespace
}  // namespace swd
