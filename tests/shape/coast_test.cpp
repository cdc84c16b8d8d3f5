#include <gtest/gtest.h>

#include "objects/step_fixture.hpp"
#include "shape/coast_passes.hpp"
#include "shape/shape_steps.hpp"

namespace swd {
namespace {

using test::StepFixture;

// Water on neighbours 0..count-1 of ring 1 around (x, y), wrapped.
void WaterAround(StepFixture& f, int x, int y, int count) {
  const int w = f.g->run.MapWidth, h = f.g->run.MapHeight;
  for (int k = 0; k < count; ++k)
    f.SetClass((x + RingOffsetX[k] + w) % w, (y + RingOffsetY[k] + h) % h, 1);
}

TEST(AdaptToSurroundings, FiveOfEightNeighboursAbsorbAndTheCountWrapsRoundTheEdges) {
  StepFixture f;  // 32 x 32 meadow
  WaterAround(f, 10, 10, 4);
  WaterAround(f, 20, 20, 5);
  WaterAround(f, 0, 16, 5);  // three of them in column 31
  WaterAround(f, 16, 0, 5);  // three of them in row 31
  AdaptToSurroundings(*f.g, 0, 1, 1);
  EXPECT_EQ(f.At(10, 10, TerrainLayerA), 0);
  EXPECT_EQ(f.At(20, 20, TerrainLayerA), 1);
  EXPECT_EQ(f.At(20, 20, TerrainLayerB), 1);
  EXPECT_EQ(f.At(20, 20, HeightLayer), 16);
  EXPECT_EQ(f.At(20, 20, PropertyLayer), 120);
  EXPECT_EQ(f.g->preview.Get(20, 20), (Rgb{0, 0, 206}));
  EXPECT_EQ(f.At(0, 16, TerrainLayerA), 1);
  EXPECT_EQ(f.At(16, 0, TerrainLayerA), 1);
  EXPECT_EQ(f.Count(TerrainLayerA, [](int c) { return c == 1; }), 4 + 5 + 5 + 5 + 3);
  EXPECT_EQ(f.g->rng.Draws(), 0u);
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Angleichen an Umgebung", ""}));
  ASSERT_EQ(f.host.progress.size(), 32u);
  EXPECT_EQ(f.host.progress.back(), 97);  // floor(100 * 31 / 32 + 0.5)
}

TEST(AdaptToSurroundings, ChangesCountForLaterCellsAndAreMirroredOnASymmetricBase) {
  // (5, 10) has six water neighbours and is absorbed in column 5; (6, 9) has four, and
  // the fifth is (5, 10), already water when column 6 is visited.
  StepFixture f;
  for (auto [x, y] :
       {std::pair{4, 11}, {5, 11}, {6, 11}, {4, 10}, {6, 10}, {7, 10}, {5, 9}, {7, 9}})
    f.SetClass(x, y, 1);
  AdaptToSurroundings(*f.g, 0, 1, 1);
  EXPECT_EQ(f.At(5, 10, TerrainLayerA), 1);
  EXPECT_EQ(f.At(6, 9, TerrainLayerA), 1);
  EXPECT_EQ(f.Count(TerrainLayerA, [](int c) { return c == 1; }), 10);

  StepFixture s;
  s.MakeSymmetric();  // rows 0..16 are visited
  WaterAround(s, 3, 4, 5);
  WaterAround(s, 20, 24, 5);  // below the row limit
  AdaptToSurroundings(*s.g, 0, 1, 1);
  EXPECT_EQ(s.At(3, 4, TerrainLayerA), 1);
  EXPECT_EQ(s.At(29, 28, TerrainLayerA), 1);
  EXPECT_EQ(s.At(29, 28, HeightLayer), 16);
  EXPECT_EQ(s.At(20, 24, TerrainLayerA), 0);
}

TEST(AdaptToSurroundings, AHeldCancelKeyStopsAfterTheFirstColumnWithTheBarShown) {
  StepFixture f;
  f.host.cancel_after = 0;
  WaterAround(f, 20, 20, 5);
  AdaptToSurroundings(*f.g, 0, 1, 1);
  EXPECT_EQ(f.At(20, 20, TerrainLayerA), 0);
  EXPECT_EQ(f.host.progress, (std::vector<int>{0}));
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Angleichen an Umgebung"}));
}

// Meadow with a water column at x = 16.
StepFixture Shore(int type = Gruenland) {
  StepFixture f(32, 32, type);
  for (int y = 0; y < 32; ++y)
    f.SetClass(16, y, 1);
  return f;
}

TEST(MatchEdges, TouchingCellsDrawOnceEachAndAClassNamedTwiceCountsOnce) {
  StepFixture a = Shore(), b = Shore();
  MatchEdges(*a.g, 0, 0, 1, 4, 5);
  MatchEdges(*b.g, 0, 3, 1, 4, 5);   // no class 3 on the map: the same cells take part
  EXPECT_EQ(a.g->rng.Draws(), 64u);  // columns 15 and 17
  EXPECT_EQ(b.g->rng.Draws(), 64u);
  const int fours = a.Count(TerrainLayerA, [](int c) { return c == 4; });
  const int fives = a.Count(TerrainLayerA, [](int c) { return c == 5; });
  EXPECT_EQ(fours + fives, 64);
  EXPECT_GT(fours, 8);
  EXPECT_GT(fives, fours);  // two chances in three
  for (int y = 0; y < 32; ++y) {
    EXPECT_EQ(a.At(15, y, TerrainLayerA), b.At(15, y, TerrainLayerA));
    EXPECT_EQ(a.At(14, y, TerrainLayerA), 0);
  }
  EXPECT_EQ(a.host.statuses.front(), "Ränder werden angeglichen");
}

TEST(CoastPasses, TheStandardShoreIsSandWithSixNearestTheWater) {
  StepFixture f = Shore();
  RunCoastPasses(*f.g, kStandardCoast);
  for (int y = 0; y < 32; ++y) {
    for (int x : {15, 17}) {
      const int c = f.At(x, y, TerrainLayerA);
      EXPECT_TRUE(c == 5 || c == 6) << x << "," << y << ": " << c;
    }
    EXPECT_EQ(f.At(13, y, TerrainLayerA), 0);
  }
  const auto sixes = [](const StepFixture& s) {
    return s.Count(TerrainLayerA, [](int c) { return c == 6; });
  };
  const int once = sixes(f);
  RunCoastPasses(*f.g, kStandardCoast);  // re-rolls the fives at the water
  EXPECT_GT(sixes(f), once);
}

TEST(CoastPasses, TheWinterShoreIsIceWithFloesAtTheWater) {
  StepFixture f = Shore(Winterland);
  RunCoastPasses(*f.g, kWinterCoast);
  int floes_8 = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x : {15, 17}) {
      const int c = f.At(x, y, TerrainLayerA);
      EXPECT_TRUE(c == 8 || c == 3) << c;
      floes_8 += c == 8;
    }
  }
  EXPECT_GT(floes_8, 0);
  EXPECT_EQ(f.At(15, 0, HeightLayer), 16);  // ice classes lie at the water height
}

}  // namespace
}  // namespace swd
