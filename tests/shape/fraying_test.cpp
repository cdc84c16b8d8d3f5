#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "objects/step_fixture.hpp"
#include "shape/shape_steps.hpp"

namespace swd {
namespace {

using test::StepFixture;

// The island walkers of the first `sides` sides (top, left, bottom, right) replayed from
// `seed`: a start draw, a length draw n between depth / 6 and K * 2 * depth / 3 held as
// single values, then n + 1 steps.
struct Walkers {
  std::uint64_t draws = 0;
  std::vector<int> lengths;
};
Walkers ReplayIslandWalkers(std::uint32_t seed, int w, int h, int level, int sides) {
  Random r;
  r.Seed(seed);
  const double k = std::exp((level - 5) / 3.2);
  Walkers out;
  for (int side = 0; side < sides; ++side) {
    const bool along_row = side % 2 == 0;
    const int count = static_cast<int>(std::floor((along_row ? w : h) / 6.0 + 0.5));
    const int depth = along_row ? h : w;
    const double lo = static_cast<float>(depth / 6.0);
    const double hi = static_cast<float>(k * 2 * depth / 3);
    for (int i = 0; i <= count; ++i) {
      r.Next();
      const int n = static_cast<int>(std::floor(lo + r.Next() * (hi - lo + 1)));
      out.lengths.push_back(n);
      for (int j = 0; j <= n; ++j)
        r.Next();
    }
  }
  out.draws = r.Draws();
  return out;
}

int WaterCells(const StepFixture& f) {
  return f.Count(TerrainLayerA, [](int c) { return c == 1; });
}

// Walkers stay in 5..size-6; their mirror cells lie in 6..size-5.
bool WaterOnlyInside(const StepFixture& f, int far_margin = 6) {
  const int w = f.g->run.MapWidth, h = f.g->run.MapHeight;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (f.At(x, y, TerrainLayerA) == 1 &&
          (x < 5 || y < 5 || x > w - far_margin || y > h - far_margin)) {
        return false;
      }
  return true;
}

TEST(FrayIslandEdges, WalkLengthsFollowTheCoastLevelAndStayInsideTheMargin) {
  for (int level : {0, 10}) {
    SCOPED_TRACE(level);
    StepFixture f(128, 128);
    f.g->run.CoastRoughness = level;
    f.host.cancel_after = 0;  // stop after the top side, before the coast passes
    f.g->rng.Seed(7);
    FrayIslandEdges(*f.g);
    const Walkers top = ReplayIslandWalkers(7, 128, 128, level, 1);
    EXPECT_EQ(f.g->rng.Draws(), top.draws);
    ASSERT_EQ(top.lengths.size(), 22u);  // floor(128 / 6 + 0.5) + 1 walkers
    const auto [shortest, longest] = std::minmax_element(top.lengths.begin(), top.lengths.end());
    if (level == 0) {
      // 21.33 to 17.89: the bounds are taken the wrong way round, as they are.
      EXPECT_GE(*shortest, 18);
      EXPECT_LE(*longest, 21);
    } else {
      EXPECT_GE(*shortest, 21);
      EXPECT_LE(*longest, 407);
      EXPECT_GT(*longest, 250);
    }
    EXPECT_GT(WaterCells(f), 0);
    EXPECT_TRUE(WaterOnlyInside(f));
    EXPECT_EQ(f.host.progress.size(), 22u);
    EXPECT_EQ(f.host.progress.back(), 100);
  }
}

TEST(FrayIslandEdges, ASymmetricIslandWalksTopAndLeftAndMirrorsThem) {
  StepFixture f(64, 64);
  f.MakeSymmetric();
  f.host.cancel_after = 1;  // both sides run, the coast passes do not
  f.g->rng.Seed(3);
  FrayIslandEdges(*f.g);
  EXPECT_EQ(f.g->rng.Draws(), ReplayIslandWalkers(3, 64, 64, 5, 2).draws);
  for (int y = 1; y < 64; ++y)
    for (int x = 1; x < 64; ++x)
      if (f.At(x, y, TerrainLayerA) == 1) {
        EXPECT_EQ(f.At(64 - x, 64 - y, TerrainLayerA), 1) << x << "," << y;
      }
  EXPECT_TRUE(WaterOnlyInside(f, 5));
}

TEST(FrayIslandEdges, TheClockReseedComesFromTheHostOrLeavesTheGeneratorAlone) {
  auto fray = [](std::optional<std::uint32_t> clock, std::uint32_t seed) {
    auto f = std::make_unique<StepFixture>(64, 64);
    f->host.clock_seed = clock;
    f->g->rng.Seed(seed);
    FrayIslandEdges(*f->g);
    std::vector<int> terrain;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        terrain.push_back(f->At(x, y, TerrainLayerA));
    return terrain;
  };
  EXPECT_EQ(fray(99, 1), fray(99, 2));
  EXPECT_NE(fray(std::nullopt, 1), fray(std::nullopt, 2));
  EXPECT_EQ(fray(std::nullopt, 1), fray(std::nullopt, 1));
}

TEST(FrayIslandEdges, EndsWithTheCoastPassesOfTheLandscapeType) {
  for (int type : {Gruenland, Winterland}) {
    StepFixture f(64, 64, type);
    FrayIslandEdges(*f.g);
    ASSERT_GE(f.host.statuses.size(), 4u);
    EXPECT_EQ(f.host.statuses[0], "Ränder werden ausgefranst");
    EXPECT_EQ(f.host.statuses[1], "");
    EXPECT_EQ(f.host.statuses[2], "Angleichen an Umgebung");
    const int shore = type == Winterland ? 8 : 6;
    EXPECT_GT(f.Count(TerrainLayerA, [&](int c) { return c == shore; }), 0);
  }
}

TEST(FrayRingEdges, WalkersStartOnBothEllipsesWithoutMirroring) {
  StepFixture f(64, 64);
  f.MakeSymmetric();         // has no effect on the ring walkers
  f.host.cancel_after = 73;  // angles 0, 5, ..., 360 of the inner pass, then stop
  FrayRingEdges(*f.g, 0, 0.9);
  EXPECT_EQ(f.host.progress.size(), 73u);
  EXPECT_EQ(f.host.progress.back(), 100);
  EXPECT_EQ(f.At(32, 32, TerrainLayerA) + f.At(31, 32, TerrainLayerA) +
                f.At(33, 32, TerrainLayerA) + f.At(32, 31, TerrainLayerA) +
                f.At(32, 33, TerrainLayerA),
            5);  // all walkers of radius 0 start in the centre
  int unmirrored = 0;
  for (int y = 1; y < 64; ++y)
    for (int x = 1; x < 64; ++x)
      unmirrored += f.At(x, y, TerrainLayerA) == 1 && f.At(64 - x, 64 - y, TerrainLayerA) != 1;
  EXPECT_GT(unmirrored, 0);
  EXPECT_TRUE(WaterOnlyInside(f));

  StepFixture full(64, 64);
  FrayRingEdges(*full.g, 0.5, 0.9);
  EXPECT_EQ(full.host.statuses[1], "");
  EXPECT_EQ(full.host.statuses[2], "Angleichen an Umgebung");
}

}  // namespace
}  // namespace swd
