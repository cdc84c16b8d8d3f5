#include <gtest/gtest.h>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

bool IsTree(const StepFixture& f, int x, int y) {
  const int type = f.At(x, y, ObjectTypeLayer), n = f.At(x, y, ObjectIndexLayer);
  const bool low = n >= 48 && n <= 53;
  const bool kind = (type == 196 && (low || (n >= 112 && n <= 117) || (n >= 176 && n <= 181))) ||
                    (type == 198 && low);
  return kind && f.At(x, y, PropertyLayer) == 104;
}

TEST(Trees, FillForestsPlantsTheUpperHalfAndItsMirror) {
  StepFixture f(32, 32, Gruenland, 2);
  f.MakeSymmetric();
  for (int x = 0; x < 32; ++x)
    f.SetClass(x, 5, 0);
  FillForests(*f.g);
  for (int y = 0; y < 32; ++y)
    for (int x = 1; x < 32; ++x) {
      const bool planted = y != 5 && y != 27;  // 27 is forest, but mirrors row 5
      ASSERT_EQ(IsTree(f, x, y), planted) << x << " " << y;
      EXPECT_EQ(f.At(x, y, ObjectTypeLayer), f.At(32 - x, 32 - y, ObjectTypeLayer));
    }
  EXPECT_EQ(f.host.statuses.front(), "Fülle Wald mit Bäumen");
}

TEST(Trees, GroupsGrowOnlyInsideOpenLandAndPlaceTreesPlantsOnlyThem) {
  StepFixture none(64, 64);
  none.g->run.SliderBaumgruppen = 0;
  CreateSmallTreeGroups(*none.g);
  // A non-0 cell every fourth row and column leaves no open 5 x 5 block.
  StepFixture dotted(64, 64);
  for (int y = 0; y < 64; y += 4)
    for (int x = 0; x < 64; x += 4)
      dotted.SetClass(x, y, 5);
  dotted.g->run.SliderBaumgruppen = 15;
  CreateSmallTreeGroups(*dotted.g);
  for (const StepFixture* f : {&none, &dotted})
    EXPECT_EQ(f->Count(TerrainLayerA, [](int c) { return c == 2; }), 0);

  StepFixture f(64, 64);
  f.SetClass(0, 0, 2);
  FillForests(*f.g);
  const int first_tree = f.At(0, 0, ObjectIndexLayer);
  f.g->run.SliderBaumgruppen = 15;
  f.FillLayer(HeightLayer, 30);
  CreateSmallTreeGroups(*f.g);
  const int forest = f.Count(TerrainLayerB, [](int c) { return c == 2; });
  EXPECT_GT(forest, 1);
  EXPECT_EQ(f.Count(TerrainLayerA, [](int c) { return c == 2; }), forest);
  EXPECT_EQ(f.Count(HeightLayer, [](int v) { return v != 30; }), 0);
  PlaceTrees(*f.g);
  EXPECT_EQ(f.At(0, 0, ObjectIndexLayer), first_tree);
  int trees = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      trees += f.At(x, y, TerrainLayerA) == 2 && IsTree(f, x, y);
  EXPECT_EQ(trees, forest);
  EXPECT_EQ(f.Count(PropertyLayer, [](int v) { return v == 104; }), forest);
}

}  // namespace
}  // namespace swd
