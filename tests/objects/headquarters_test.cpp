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
  for (int layer : {ObjectTypeLayer, ObjectIndexLayer, PropertyLayer, HeightLayer})
    f.FillLayer(layer, 104);
  for (int x = 0; x < 64; ++x)
    f.SetClass(x, 20, 2);  // forest: usable, keeps its class
  f.g->run.PlayerCount = 5;
  PlaceHeadquarters(*f.g);
  ASSERT_EQ(f.g->run.PlayerCount, 5);
  for (int p = 1; p <= 5; ++p) {
    const int x = f.g->HqX[p], y = f.g->HqY[p];
    EXPECT_TRUE(x >= 5 && x <= 58 && y >= 5 && y <= 58) << p;
    for (int q = 1; q < p; ++q)
      EXPECT_GE(Distance(*f.g, p, q), 24.0);  // T = 4 + 4 + 16
    for (int i = 0; i <= 24; ++i) {
      const int cx = x + RingOffsetX[i], cy = y + RingOffsetY[i];
      EXPECT_EQ(f.At(cx, cy, HeightLayer) * 1000 + f.At(cx, cy, ObjectTypeLayer) * 100 +
                    f.At(cx, cy, ObjectIndexLayer) * 10 + f.At(cx, cy, PropertyLayer),
                22004);
    }
    EXPECT_EQ(f.At(x + 3, y, ObjectTypeLayer), 104);  // outside the site
  }
  EXPECT_EQ(f.Count(TerrainLayerA, [](int c) { return c == 2; }), 64);
  EXPECT_EQ(f.host.statuses.front(), "Hauptquartiere werden gesucht");
  EXPECT_EQ(f.host.progress, (std::vector<int>{20, 40, 60, 80, 100}));
}

TEST(PlaceHeadquarters, GivesUpAfterTheAttemptLimitAndKeepsThePlayersPlaced) {
  StepFixture water(64, 64, Gruenland, 1);
  PlaceHeadquarters(*water.g);
  EXPECT_EQ(water.g->run.PlayerCount, 0);
  // 5001 candidates are tested; the 5002nd is drawn before the limit ends the search.
  EXPECT_EQ(water.g->rng.Draws(), 2u * 5002u);

  StepFixture one(64, 64, Gruenland, 1);  // a 7 x 7 island: room for one site
  for (int y = 20; y <= 26; ++y)
    for (int x = 20; x <= 26; ++x)
      one.SetClass(x, y, 0);
  PlaceHeadquarters(*one.g);
  EXPECT_EQ(one.g->run.PlayerCount, 1);
  EXPECT_TRUE(one.g->HqX[1] >= 22 && one.g->HqX[1] <= 24 && one.g->HqY[1] >= 22 &&
              one.g->HqY[1] <= 24);
}

TEST(PlaceHeadquarters, SymmetricMapsPlaceMirroredPairs) {
  StepFixture f(64, 64);
  f.MakeSymmetric();
  f.FillLayer(ObjectTypeLayer, 200);
  f.g->run.PlayerCount = 5;
  PlaceHeadquarters(*f.g);
  ASSERT_EQ(f.g->run.PlayerCount, 4);
  for (int p = 1; p <= 3; p += 2) {
    EXPECT_EQ(f.g->HqX[p + 1] * 100 + f.g->HqY[p + 1], (64 - f.g->HqX[p]) * 100 + 64 - f.g->HqY[p]);
    for (int i = 0; i <= 24; ++i)
      EXPECT_EQ(
          f.At(f.g->HqX[p + 1] + RingOffsetX[i], f.g->HqY[p + 1] + RingOffsetY[i], ObjectTypeLayer),
          0);
  }
  EXPECT_TRUE(Distance(*f.g, 3, 1) >= 24.0 && Distance(*f.g, 3, 2) >= 24.0);
  EXPECT_EQ(f.host.progress, (std::vector<int>{50, 100}));
}

}  // namespace
}  // namespace swd
