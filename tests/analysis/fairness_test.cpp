// The fairness index on figures worked out by hand, and on maps: the two mirrored starts of
// a symmetric island, and the same map with one start moved onto an islet.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/fairness.hpp"
#include "analysis/map_analysis.hpp"
#include "analysis/map_maker.hpp"
#include "mapfile/object_codes.hpp"
#include "run/run.hpp"
#include "support/generated_map.hpp"

namespace swd {
namespace {

// A start with exactly what it needs of every figure.
FigureValues AtLevels() {
  FigureValues v{};
  for (const FigureRow& row : kFigures)
    v[row.figure] = row.level;
  return v;
}

TEST(Fairness, FiguresCountUpToTheirLevelAndLittleBeyond) {
  const FigureRow& trees = kFigures[fig::Trees];
  EXPECT_DOUBLE_EQ(FigureCredit(trees, 0), 0);
  EXPECT_DOUBLE_EQ(FigureCredit(trees, trees.level / 4), 0.25);
  EXPECT_DOUBLE_EQ(FigureCredit(trees, trees.level), 1);
  const double twice = FigureCredit(trees, 2 * trees.level);
  const double sixfold = FigureCredit(trees, 6 * trees.level);
  EXPECT_GT(twice, 1);
  EXPECT_GT(sixfold, twice);
  EXPECT_LT(sixfold - twice, twice - 1);  // less and less
  EXPECT_LE(sixfold, 1 + kBeyondLevel);

  EXPECT_DOUBLE_EQ(StartScore(AtLevels()), 1);
  FigureValues rich = AtLevels();
  for (double& v : rich)
    v *= 6;
  EXPECT_LE(StartScore(rich), 1 + kBeyondLevel);  // plenty is not much better than enough
  const auto even = RateFairness({AtLevels(), rich});
  ASSERT_TRUE(even);
  EXPECT_GT(even->index, 0.9);
  EXPECT_DOUBLE_EQ(even->ratios[fig::Coal], 1.0 / 6);

  EXPECT_FALSE(RateFairness({AtLevels()}));
  EXPECT_FALSE(RateFairness({}));
}

TEST(Fairness, SmallFiguresCannotSwingTheIndexButMissingWoodOrStoneDoes) {
  // Four medium sites against none, the rest alike.
  FigureValues none = AtLevels();
  FigureValues four = AtLevels();
  none[fig::MediumSites] = 0;
  four[fig::MediumSites] = 4;
  EXPECT_GE(RateFairness({none, four})->index, 0.99);

  // Without wood or without stone a start cannot get going, however many players there are.
  for (const Figure essential : {fig::Trees, fig::Granite}) {
    std::vector<FigureValues> starts(7, AtLevels());
    starts[3][essential] = 0;
    EXPECT_LT(RateFairness(starts)->index, 0.8) << kFigures[essential].key;
    starts.resize(2);
    starts[1][essential] = 0;
    EXPECT_LT(RateFairness(starts)->index, 0.8) << kFigures[essential].key;
  }

  // A rival out of reach is the worst distance, not the best.
  FigureValues cut_off = AtLevels();
  cut_off[fig::RivalDistance] = 0;
  EXPECT_LT(StartScore(cut_off), StartScore(AtLevels()));
}

SwdMap SymmetricIsland(std::uint32_t seed, std::int16_t side = 128) {
  return test::GeneratedMap(test::ShapedSettings(LandShape::IslandSymmetric, 2, side), seed);
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

// Two mirrored starts have what they need alike: the index sees the small differences the
// lattice's mirror leaves (a granite ring that closes on one side only, a few trees more) as
// small, on every map of the three sizes.
TEST(Fairness, EveryMirroredTwoPlayerIslandScoresAlike) {
  for (const int side : {64, 128, 256}) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      const MapAnalysis a =
          AnalyzeMap(SymmetricIsland(seed, static_cast<std::int16_t>(side)), kDefaultRadius);
      ASSERT_TRUE(a.fairness) << side << " seed " << seed;
      EXPECT_GE(a.fairness->index, 0.95) << side << " seed " << seed;
    }
  }
}

}  // namespace
}  // namespace swd
