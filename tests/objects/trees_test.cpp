#include <gtest/gtest.h>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

bool IsTree(const StepFixture& f, int x, int y) {
  const int type = f.At(x, y, ObjectTypeLayer);
  const int n = f.At(x, y, ObjectIndexLayer);
  const bool kind =
      (type == 196 && ((n >= 48 && n <= 53) || (n >= 112 && n <= 117) || (n >= 176 && n <= 181))) ||
      (type == 198 && n >= 48 && n <= 53);
  return kind && f.At(x, y, PropertyLayer) == 104;
}

TEST(Trees, FillForestsPlantsEveryForestCellAndItsMirror) {
  StepFixture f(32, 32, Gruenland, 2);
  f.MakeSymmetric();
  for (int x = 0; x < 32; ++x)
    f.SetClass(x, 5, 0);
  FillForests(*f.g);
  for (int y = 0; y < 32; ++y)
    for (int x = 1; x < 32; ++x) {
      if (y == 5 || y == 27) {
        EXPECT_EQ(f.At(x, y, ObjectTypeLayer), 0);
      } else {
        ASSERT_TRUE(IsTree(f, x, y)) << x << " " << y;
        EXPECT_EQ(f.At(x, y, ObjectTypeLayer), f.At(32 - x, 32 - y, ObjectTypeLayer));
      }
    }
  EXPECT_EQ(f.host.statuses.front(), "Fülle Wald mit Bäumen");
}

TEST(Trees, GroupsGrowOnlyInsideOpenLandAndPlaceTreesPlantsOnlyThem) {
  StepFixture none(64, 64);
  none.g->run.SliderBaumgruppen = 0;
  CreateSmallTreeGroups(*none.g);
  EXPECT_EQ(none.Count(TerrainLayerA, [](int c) { return c != 0; }), 0);

  // A non-0 cell every fourth row and column leaves no open 5 x 5 block.
  StepFixture dotted(64, 64);
  for (int y = 0; y < 64; y += 4)
    for (int x = 0; x < 64; x += 4)
      dotted.SetClass(x, y, 5);
  dotted.g->run.SliderBaumgruppen = 15;
  CreateSmallTreeGroups(*dotted.g);
  EXPECT_EQ(dotted.Count(TerrainLayerA, [](int c) { return c == 2; }), 0);

  StepFixture f(64, 64);
  f.SetClass(0, 0, 2);
  FillForests(*f.g);
  const int first_tree = f.At(0, 0, ObjectIndexLayer);
  f.g->run.SliderBaumgruppen = 15;
  f.FillLayer(HeightLayer, 30);
  CreateSmallTreeGroups(*f.g);
  const int forest = f.Count(TerrainLayerA, [](int c) { return c == 2; });
  EXPECT_GT(forest, 1);
  EXPECT_EQ(f.Count(TerrainLayerB, [](int c) { return c == 2; }), forest);
  EXPECT_EQ(f.Count(HeightLayer, [](int v) { return v != 30; }), 0);
  EXPECT_EQ(f.Count(PropertyLayer, [](int v) { return v == 104; }), 1);
  PlaceTrees(*f.g);
  EXPECT_EQ(f.Count(PropertyLayer, [](int v) { return v == 104; }), forest);
  EXPECT_EQ(f.At(0, 0, ObjectIndexLayer), first_tree);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (f.At(x, y, TerrainLayerA) == 2) {
        EXPECT_TRUE(IsTree(f, x, y));
      }
}

}  // namespace
}  // namespace swd
