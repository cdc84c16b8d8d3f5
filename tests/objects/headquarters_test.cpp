#include <gtest/gtest.h>

#include <cmath>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

double Distance(const Generator& g, int p, int q) {
  return std::hypot(g.HqX[p] - g.HqX[q], g.HqY[p] - g.HqY[q]);
}

TEST(PlaceHeadquarters, PlacesEveryPlayerAtLeastTApartOnAClearedSite) {
  StepFixture f(64, 64);
  f.FillLayer(ObjectTypeLayer, 196);
  f.FillLayer(ObjectIndexLayer, 50);
  f.FillLayer(PropertyLayer, 104);
  f.FillLayer(HeightLayer, 40);
  for (int x = 0; x < 64; ++x)
    f.SetClass(x, 20, 2);  // forest row: usable, keeps its class
  f.g->run.PlayerCount = 5;
  PlaceHeadquarters(*f.g);
  ASSERT_EQ(f.g->run.PlayerCount, 5);
  for (int p = 1; p <= 5; ++p) {
    SCOPED_TRACE(p);
    const int x = f.g->HqX[p], y = f.g->HqY[p];
    EXPECT_GE(x, 5);
    EXPECT_LE(x, 58);
    EXPECT_GE(y, 5);
    EXPECT_LE(y, 58);
    for (int q = 1; q < p; ++q)
      EXPECT_GE(Distance(*f.g, p, q), 24.0);  // T = 4 + 4 + 16
    for (int i = 0; i <= 24; ++i) {
      const int cx = x + RingOffsetX[i], cy = y + RingOffsetY[i];
      EXPECT_EQ(f.At(cx, cy, HeightLayer), 22);
      EXPECT_EQ(f.At(cx, cy, ObjectTypeLayer), 0);
      EXPECT_EQ(f.At(cx, cy, ObjectIndexLayer), 0);
      EXPECT_EQ(f.At(cx, cy, PropertyLayer), 4);
    }
    EXPECT_EQ(f.At(x + 3, y, ObjectTypeLayer), 196);  // outside the 5 x 5 block
  }
  EXPECT_EQ(f.Count(TerrainLayerA, [](int c) { return c == 2; }), 64);
  EXPECT_EQ(f.host.statuses.front(), "Hauptquartiere werden gesucht");
  EXPECT_EQ(f.host.progress, (std::vector<int>{20, 40, 60, 80, 100}));
}

TEST(PlaceHeadquarters, GivesUpAfterTheAttemptLimitAndKeepsThePlayersPlaced) {
  StepFixture water(64, 64, Gruenland, 1);
  water.g->run.PlayerCount = 3;
  PlaceHeadquarters(*water.g);
  EXPECT_EQ(water.g->run.PlayerCount, 0);
  // 5001 candidates are tested; the 5002nd is drawn before the limit stops the search.
  EXPECT_EQ(water.g->rng.Draws(), 2u * 5002u);
  EXPECT_EQ(water.host.statuses.back(), "");

  // A 32 x 32 map has room for only a few headquarters 20 cells apart.
  StepFixture small(32, 32);
  small.g->run.PlayerCount = 7;
  PlaceHeadquarters(*small.g);
  const int placed = small.g->run.PlayerCount;
  EXPECT_GE(placed, 2);
  EXPECT_LT(placed, 7);
  for (int p = 1; p <= placed; ++p)
    for (int q = 1; q < p; ++q)
      EXPECT_GE(Distance(*small.g, p, q), 20.0);
}

TEST(PlaceHeadquarters, SymmetricMapsPlaceMirroredPairs) {
  StepFixture f(64, 64);
  f.MakeSymmetric();
  f.FillLayer(ObjectTypeLayer, 200);
  f.g->run.PlayerCount = 5;
  PlaceHeadquarters(*f.g);
  ASSERT_EQ(f.g->run.PlayerCount, 4);
  for (int p = 1; p <= 3; p += 2) {
    EXPECT_EQ(f.g->HqX[p + 1], 64 - f.g->HqX[p]);
    EXPECT_EQ(f.g->HqY[p + 1], 64 - f.g->HqY[p]);
    for (int i = 0; i <= 24; ++i) {
      EXPECT_EQ(
          f.At(f.g->HqX[p + 1] - RingOffsetX[i], f.g->HqY[p + 1] - RingOffsetY[i], ObjectTypeLayer),
          0);
    }
  }
  EXPECT_GE(Distance(*f.g, 3, 1), 24.0);
  EXPECT_GE(Distance(*f.g, 3, 2), 24.0);
  EXPECT_EQ(f.host.progress, (std::vector<int>{50, 100}));
}

}  // namespace
}  // namespace swd
