// The fairness index on figures worked out by hand, and on maps: the two mirrored starts of
// a symmetric island, and the same map with one start moved onto an islet.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/fairness.hpp"
#include "analysis/map_analysis.hpp"
#include "analysis/map_maker.hpp"
#include "mapfile/object_codes.hpp"
#include "run/run.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

TEST(Fairness, GiniAndTheWeightedScores) {
  EXPECT_DOUBLE_EQ(GiniCoefficient({2, 2, 2}), 0);
  EXPECT_DOUBLE_EQ(GiniCoefficient({1, 3}), 0.25);
  EXPECT_DOUBLE_EQ(GiniCoefficient({0, 0, 1}), 2.0 / 3);
  EXPECT_DOUBLE_EQ(GiniCoefficient({0, 0}), 0);

  FigureValues even{};
  even[fig::LargeSites] = 12;
  even[fig::Trees] = 40;
  const auto same = RateFairness({even, even, even});
  ASSERT_TRUE(same);
  EXPECT_DOUBLE_EQ(same->index, 1);
  EXPECT_DOUBLE_EQ(same->ratios[fig::Trees], 1);
  EXPECT_DOUBLE_EQ(same->ratios[fig::Coal], 1);  // nobody has any: even as well

  // Large sites 30 and 10 alone: scores 1.5 and 0.5 of the mean, Gini 0.25.
  FigureValues a{}, b{};
  a[fig::LargeSites] = 30;
  b[fig::LargeSites] = 10;
  auto f = RateFairness({a, b});
  ASSERT_TRUE(f);
  EXPECT_DOUBLE_EQ(f->ratios[fig::LargeSites], 1.0 / 3);
  EXPECT_DOUBLE_EQ(f->index, 0.75);
  // Trees the other way round, weighted 1.5 against 3: scores (3 * 1.5 + 1.5 * 0.5) / 4.5 and
  // (3 * 0.5 + 1.5 * 1.5) / 4.5, that is 7/6 and 5/6, Gini 1/12.
  a[fig::Trees] = 10;
  b[fig::Trees] = 30;
  f = RateFairness({a, b});
  EXPECT_DOUBLE_EQ(f->scores[0], 7.0 / 6);
  EXPECT_DOUBLE_EQ(f->scores[1], 5.0 / 6);
  EXPECT_DOUBLE_EQ(f->index, 1 - 1.0 / 12);

  EXPECT_FALSE(RateFairness({a}));
  EXPECT_FALSE(RateFairness({}));
}

SwdMap SymmetricIsland(std::uint32_t seed) {
  test::TempDir dir;
  test::RecordingHost host(dir.path(), "sym");
  auto g = std::make_unique<Generator>(host);
  g->settings.MapWidth = g->settings.MapHeight = 128;
  g->settings.PlayerCount = 2;
  g->settings.CheckErwEinst = true;
  g->settings.SymmetricBase = 1;
  PrepareGeneration(*g);
  g->rng.Seed(seed);
  EXPECT_EQ(RunGeneration(*g).status, RunOutcome::Status::Written);
  SwdMapRead read = ReadSwdMap(test::ReadFile(dir.path() / "sym.swd"));
  EXPECT_TRUE(read.map) << read.problem;
  return std::move(*read.map);
}

TEST(Fairness, MirroredStartsAreEvenAndAnIsletIsNot) {
  for (const std::uint32_t seed : {1u, 2u, 3u}) {
    SwdMap map = SymmetricIsland(seed);
    const MapAnalysis mirrored = AnalyzeMap(map, kDefaultRadius);
    ASSERT_EQ(mirrored.starts.size(), 2u) << seed;
    ASSERT_TRUE(mirrored.fairness);
    EXPECT_GE(mirrored.fairness->index, 0.95) << seed;

    // Player 2 on a meadow of 5 x 5 vertices out in the sea of the map's corner, which the
    // island leaves free: the start objects now say where the starts are.
    for (int y = 1; y <= 6; ++y) {
      for (int x = 1; x <= 6; ++x)
        test::SetTrianglesAround(map, x, y, test::kWater);
    }
    for (int y = 2; y <= 5; ++y) {
      for (int x = 2; x <= 5; ++x)
        test::SetTrianglesAround(map, x, y, test::kMeadow);
    }
    const VertexPos p1 = mirrored.starts[0].start.at;
    test::PutObject(map, p1.x, p1.y, kStartPositionObject, 0);
    test::PutObject(map, 3, 3, kStartPositionObject, 1);
    const MapAnalysis islet = AnalyzeMap(map, kDefaultRadius);
    ASSERT_TRUE(islet.fairness);
    EXPECT_FALSE(islet.starts[1].nearest_rival) << seed;
    EXPECT_LT(islet.fairness->index, 0.8) << seed;
  }
}

}  // namespace
}  // namespace swd
