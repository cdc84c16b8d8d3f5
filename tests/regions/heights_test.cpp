#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "model/primitives.hpp"
#include "regions/region_fixture.hpp"
#include "regions/region_steps.hpp"

namespace swd {
namespace {

using test::Paint;
using test::StepFixture;

long HeightSum(const StepFixture& f) {
  long sum = 0;
  for (int y = 0; y < f.g->run.MapHeight; ++y)
    for (int x = 0; x < f.g->run.MapWidth; ++x)
      sum += f.At(x, y, HeightLayer);
  return sum;
}

TEST(EqualizeHeights, BordersOfTheFirstClassMeetTheSecondAcrossTheEdgesAndMirrored) {
  StepFixture f;
  Paint(f, [](int x, int) { return x < 16 ? 7 : 9; });
  f.FillLayer(HeightLayer, 50);
  EqualizeHeights(*f.g, 7, 9, 30);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      EXPECT_EQ(f.At(x, y, HeightLayer), x == 0 || x == 15 ? 30 : 50) << x << "," << y;

  EqualizeHeights(*f.g, 9, 1, 10);  // never adjacent
  EXPECT_EQ(HeightSum(f), 50L * 32 * 32 - 20L * 64);

  StepFixture sym;
  sym.MakeSymmetric();
  Paint(sym, [](int x, int) { return x < 16 ? 7 : 9; });
  EqualizeHeights(*sym.g, 7, 9, 30);
  EXPECT_EQ(sym.At(15, 3, HeightLayer), 30);
  EXPECT_EQ(sym.At(17, 29, HeightLayer), 30);
  EXPECT_EQ(sym.At(15, 20, HeightLayer), 0);  // beyond the row limit

  StepFixture cancelled;
  Paint(cancelled, [](int x, int) { return x < 16 ? 7 : 9; });
  cancelled.host.cancel_after = 0;
  EqualizeHeights(*cancelled.g, 7, 9, 30);
  EXPECT_EQ(cancelled.At(0, 5, HeightLayer), 30);
  EXPECT_EQ(cancelled.At(15, 5, HeightLayer), 0);
  EXPECT_EQ(cancelled.host.statuses, (std::vector<std::string>{"Gleiche Höhen an"}));
}

TEST(ManipulateHeights, EachInteriorCellMovesItsBlockByOneDrawAndHeightsStayBytes) {
  StepFixture f;
  f.SetClass(16, 16, 9);
  f.FillLayer(HeightLayer, 100);
  ManipulateHeights(*f.g, 0, 9, 2, 3);
  Random reference;
  long moved = 0;
  for (int i = 0; i < 32 * 32 - 25; ++i)
    moved += static_cast<long>(std::floor(-1 + reference.Next() * 3.0));
  EXPECT_EQ(f.g->rng.Draws(), 32u * 32 - 25);
  EXPECT_EQ(HeightSum(f) - 100L * 32 * 32, 9 * moved);
  EXPECT_EQ(f.At(16, 16, HeightLayer), 100);  // two cells round the class-9 cell at least
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Höhenmanipulation", ""}));

  for (int start : {0, 255}) {
    StepFixture edge;
    edge.FillLayer(HeightLayer, start);
    ManipulateHeights(*edge.g, 0, 9, 9, 9);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        ASSERT_LE(std::abs(edge.At(x, y, HeightLayer) - start), 128) << start;
  }
}

TEST(ManipulateHeights, ASymmetricBaseMovesTheMirroredBlockToo) {
  StepFixture f;
  f.MakeSymmetric();
  f.FillLayer(HeightLayer, 100);
  ManipulateHeights(*f.g, 0, 9, 9, 9);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(f.At(x, y, HeightLayer), f.At(WrapIndex(32 - x, 32), WrapIndex(32 - y, 32), 0))
          << x << "," << y;
  EXPECT_NE(HeightSum(f), 100L * 32 * 32);
}

TEST(ShapeHeights, TerracesMeetHalfwayAndTheirBordersStayWhileInteriorsGetBumps) {
  StepFixture f(32, 32);
  Paint(f, [](int x, int) { return x <= 9 ? 9 : (x <= 21 ? 7 : 8); });
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      f.g->grid(x, y, HeightLayer) = f.g->tables.ClassBaseHeight[f.At(x, y, TerrainLayerA)];
  ShapeHeights(*f.g);
  bool bumped = false;
  for (int y = 0; y < 32; ++y) {
    EXPECT_EQ(f.At(10, y, HeightLayer), 30);  // floor((32 + 28) / 2)
    EXPECT_EQ(f.At(21, y, HeightLayer), 34);  // floor((32 + 36) / 2)
    EXPECT_EQ(f.At(0, y, HeightLayer), 28);
    EXPECT_EQ(f.At(31, y, HeightLayer), 36);
    for (int x = 11; x <= 20; ++x)
      bumped |= f.At(x, y, HeightLayer) != 32;
  }
  EXPECT_TRUE(bumped);
  std::vector<std::string> expected;
  for (int i = 0; i < 4; ++i)
    expected.insert(expected.end(), {"Gleiche Höhen an", ""});
  for (int i = 0; i < 5; ++i)
    expected.insert(expected.end(), {"Höhenmanipulation", ""});
  EXPECT_EQ(f.host.statuses, expected);
}

TEST(CheckHeights, LiftsZeroToOneAndSetsTheMirror) {
  StepFixture f;
  f.MakeSymmetric();
  f.FillLayer(HeightLayer, 5);
  f.g->grid(3, 4, HeightLayer) = 0;
  f.g->grid(29, 28, HeightLayer) = 9;
  f.g->grid(7, 20, HeightLayer) = 0;  // below the row limit: its mirror's turn
  CheckHeights(*f.g);
  EXPECT_EQ(f.At(3, 4, HeightLayer), 1);
  EXPECT_EQ(f.At(29, 28, HeightLayer), 1);
  EXPECT_EQ(f.At(7, 20, HeightLayer), 0);
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Überprüfe Höhen", ""}));
}

TEST(SmoothLandscape, MovesHeightsTowardsTheirNeighboursInPlaceRoundingDown) {
  StepFixture f;
  f.FillLayer(HeightLayer, 14);
  f.g->grid(10, 10, HeightLayer) = 28;
  f.g->grid(20, 20, HeightLayer) = 15;
  SmoothLandscape(*f.g);
  EXPECT_EQ(f.At(9, 9, HeightLayer), 15);    // S = -14, scanned before the peak
  EXPECT_EQ(f.At(10, 10, HeightLayer), 21);  // its four neighbours scanned first rose: S = 105
  EXPECT_EQ(f.At(19, 19, HeightLayer), 15);  // S = -1 rounds down to t = -1
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Glätte Landschaft", ""}));

  StepFixture sym;
  sym.MakeSymmetric();
  sym.FillLayer(HeightLayer, 14);
  sym.g->grid(10, 10, HeightLayer) = 28;
  sym.g->grid(22, 22, HeightLayer) = 3;  // the mirror would go below 0
  SmoothLandscape(*sym.g);
  EXPECT_EQ(sym.At(22, 22, HeightLayer), 0);
}

TEST(PickFlowers, TurnsMostMeadowIntoForestRowByRowWithoutMirror) {
  StepFixture f;
  f.MakeSymmetric();
  std::mt19937 rnd(3);
  Paint(f, [&](int, int) { return rnd() % 3 == 0 ? 5 : 0; });
  f.FillLayer(HeightLayer, 22);
  std::vector<int> before;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      before.push_back(f.At(x, y, TerrainLayerA));
  PickFlowers(*f.g);
  Random reference;
  int kept = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      int expected = before[x + 32 * y];
      if (expected == 0 && std::floor(reference.Next() * 101.0) > 5) expected = 2;
      kept += expected == 0;
      ASSERT_EQ(f.At(x, y, TerrainLayerA), expected) << x << "," << y;
      ASSERT_EQ(f.At(x, y, TerrainLayerB), expected);
      ASSERT_EQ(f.At(x, y, HeightLayer), 22);
      ASSERT_EQ(f.At(x, y, PropertyLayer), 0);
    }
  EXPECT_GT(kept, 0);
  EXPECT_EQ(f.At(32, 5, TerrainLayerA), 0);  // the mirror column is left alone
  EXPECT_EQ(f.g->preview.Get(3, 3), PreviewImage::kBackground);
  EXPECT_EQ(f.host.progress.size(), 32u);
}

}  // namespace
}  // namespace swd
