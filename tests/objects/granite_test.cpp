#include <gtest/gtest.h>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

bool IsGranite(const StepFixture& f, int x, int y) {
  const int size = f.At(x, y, ObjectIndexLayer);
  const int type = f.At(x, y, ObjectTypeLayer);
  return f.At(x, y, PropertyLayer) == 104 && size >= 1 && size <= 6 && (type == 204 || type == 205);
}

int GraniteCells(const StepFixture& f) {
  return f.Count(PropertyLayer, [](int v) { return v == 104; });
}

void SetLargeFields(Generator& g, float count, float min_size, float max_size) {
  g.amounts.RegionCountBase[11] = count;
  g.amounts.RegionMinSizeBase[11] = min_size;
  g.amounts.RegionMaxSizeBase[11] = max_size;
}

TEST(CreateLargeGranite, GrowsCountPlusOneFieldsByWalksThatStepBackFromBlockedCells) {
  StepFixture open(64, 64);
  SetLargeFields(*open.g, 0, 3, 3);  // count 0 becomes 1: two fields of four moves
  CreateLargeGranite(*open.g);
  EXPECT_EQ(open.g->amounts.RegionCount[11], 1.0f);
  const int placed = GraniteCells(open);
  EXPECT_GE(placed, 1);
  EXPECT_LE(placed, 8);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (open.At(x, y, PropertyLayer) == 104) {
        EXPECT_TRUE(IsGranite(open, x, y));
        EXPECT_EQ(open.g->preview.Get(x, y), (Rgb{100, 100, 100}));
      }
  EXPECT_EQ(open.host.progress, (std::vector<int>{0, 100}));

  // Water, swamp, mountains and class 8 all around: the walks place nothing.
  StepFixture blocked(32, 32, Gruenland, 1);
  for (int x = 0; x < 32; ++x)
    blocked.SetClass(x, 3, 3 + (x % 2) * 5);
  SetLargeFields(*blocked.g, 5, 20, 40);
  CreateLargeGranite(*blocked.g);
  EXPECT_EQ(GraniteCells(blocked), 0);
}

TEST(CreateLargeGranite, SlidersScaleTheFieldsAndAHalvedCountOfZeroStillGrowsOne) {
  StepFixture f(64, 64);
  f.g->run.SliderGrGranitAz = 10;
  f.g->run.SliderGrGranitAus = 0;
  SetLargeFields(*f.g, 2, 10, 20);
  CreateLargeGranite(*f.g);
  EXPECT_EQ(f.g->amounts.RegionCount[11], 10.0f);   // 2 * 4.77 = 9.54
  EXPECT_EQ(f.g->amounts.RegionMinSize[11], 2.0f);  // 10 * 0.21
  EXPECT_EQ(f.g->amounts.RegionMaxSize[11], 4.0f);

  StepFixture sym(64, 64);
  sym.MakeSymmetric();
  SetLargeFields(*sym.g, 1, 4, 4);
  CreateLargeGranite(*sym.g);
  EXPECT_EQ(sym.g->amounts.RegionCount[11], 0.0f);
  EXPECT_EQ(sym.g->amounts.RegionMaxSize[11], 2.0f);
  EXPECT_EQ(sym.host.progress, (std::vector<int>{100}));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (sym.At(x, y, PropertyLayer) == 104) {
        EXPECT_TRUE(IsGranite(sym, 64 - x, 64 - y));
      }
}

TEST(CreateSmallGranite, ClustersStartOnOpenLandAndFillByTheSecondSlider) {
  StepFixture none;
  none.g->run.SliderKlGranitAz = 0;
  CreateSmallGranite(*none.g);
  EXPECT_EQ(GraniteCells(none), 0);

  // Starting clusters that stay empty still draw their nine numbers.
  StepFixture empty(32, 32);
  empty.g->run.SliderKlGranitAz = 15;
  empty.g->run.SliderKlGranitAus = 0;
  CreateSmallGranite(*empty.g);
  EXPECT_EQ(GraniteCells(empty), 0);
  EXPECT_GT(empty.g->rng.Draws(), 32u * 32u);

  // A level of 10 fills each 3 x 3 block; the symmetric mirror wraps like its target.
  StepFixture full(32, 32);
  full.MakeSymmetric();
  full.g->run.SliderKlGranitAz = 15;
  full.g->run.SliderKlGranitAus = 10;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (x != 0 || y != 0) full.SetClass(x, y, 6);
  CreateSmallGranite(*full.g);  // only (0, 0) is class 0, and no 5 x 5 block is open
  EXPECT_EQ(GraniteCells(full), 0);
  full.FillLayer(TerrainLayerA, 4);
  full.SetClass(0, 0, 0);
  // Column 0 only, until the cell (0, 0) has drawn a start.
  for (int run = 0; run < 200 && GraniteCells(full) == 0; ++run) {
    full.host.cancel_after = full.host.cancel_queries;
    CreateSmallGranite(*full.g);
  }
  EXPECT_EQ(GraniteCells(full), 9);
  for (int i = 0; i <= 8; ++i) {
    const int x = (RingOffsetX[i] + 32) % 32, y = (RingOffsetY[i] + 32) % 32;
    EXPECT_TRUE(IsGranite(full, x, y));
    EXPECT_TRUE(IsGranite(full, (32 - x) % 32, (32 - y) % 32));
  }
}

}  // namespace
}  // namespace swd
