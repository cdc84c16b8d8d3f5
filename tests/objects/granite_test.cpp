#include <gtest/gtest.h>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

bool IsGranite(const StepFixture& f, int x, int y) {
  const int size = f.At(x, y, ObjectIndexLayer), type = f.At(x, y, ObjectTypeLayer);
  return f.At(x, y, PropertyLayer) == 104 && size >= 1 && size <= 6 && (type == 204 || type == 205);
}

int GraniteCells(const StepFixture& f) {
  return f.Count(PropertyLayer, [](int v) { return v == 104; });
}

void LargeFields(StepFixture& f, float count, float min_size, float max_size) {
  f.g->amounts.RegionCountBase[11] = count;
  f.g->amounts.RegionMinSizeBase[11] = min_size;
  f.g->amounts.RegionMaxSizeBase[11] = max_size;
  CreateLargeGranite(*f.g);
}

TEST(CreateLargeGranite, WalksPlaceCountPlusOneFieldsAndStepBackFromBlockedCells) {
  StepFixture open(64, 64);
  LargeFields(open, 0, 3, 3);  // a count of 0 becomes 1: two fields of four moves
  EXPECT_EQ(open.g->amounts.RegionCount[11], 1.0f);
  EXPECT_TRUE(GraniteCells(open) >= 1 && GraniteCells(open) <= 8);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (open.At(x, y, PropertyLayer) == 104) {
        EXPECT_TRUE(IsGranite(open, x, y) && (open.g->preview.Get(x, y) == Rgb{100, 100, 100}));
      }
  EXPECT_EQ(open.host.progress, (std::vector<int>{0, 100}));

  StepFixture blocked(32, 32, Gruenland, 1);  // water, with classes 3 and 8 in row 3
  for (int x = 0; x < 32; ++x)
    blocked.SetClass(x, 3, 3 + (x % 2) * 5);
  LargeFields(blocked, 5, 20, 40);
  EXPECT_EQ(GraniteCells(blocked), 0);

  StepFixture scaled(64, 64);
  scaled.g->run.SliderGrGranitAz = 10;  // factor 4.77
  scaled.g->run.SliderGrGranitAus = 0;  // factor 0.21
  LargeFields(scaled, 2, 10, 20);
  const auto& a = scaled.g->amounts;
  EXPECT_EQ(a.RegionCount[11] * 100 + a.RegionMinSize[11] * 10 + a.RegionMaxSize[11], 1024.0f);
}

TEST(CreateLargeGranite, ASymmetricMapMirrorsAndAHalvedCountOfZeroShowsFullProgress) {
  StepFixture f(64, 64);
  f.MakeSymmetric();
  LargeFields(f, 1, 4, 4);
  EXPECT_EQ(f.g->amounts.RegionCount[11], 0.0f);
  EXPECT_EQ(f.g->amounts.RegionMaxSize[11], 2.0f);
  EXPECT_EQ(f.host.progress, (std::vector<int>{100}));
  EXPECT_GT(GraniteCells(f), 0);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      if (f.At(x, y, PropertyLayer) == 104) {
        EXPECT_TRUE(IsGranite(f, 64 - x, 64 - y));
      }
}

TEST(CreateLargeGranite, ProgressIsWorkedOutInSinglePrecision) {
  // The count is single, so is i / count * 100 + 0.5: for i = 21 of 40 it lies just below
  // 53 (in double just above), for i = 23 just above 58 (in double just below).
  StepFixture f(64, 64);
  LargeFields(f, 40, 0, 0);
  ASSERT_EQ(f.host.progress.size(), 41u);
  EXPECT_EQ(f.host.progress[21], 52);
  EXPECT_EQ(f.host.progress[23], 58);
  EXPECT_EQ(f.host.progress[20], 50);
  EXPECT_EQ(f.host.progress[40], 100);
}

TEST(CreateSmallGranite, ClustersStartOnOpenLandAndFillByTheSecondSlider) {
  StepFixture none;
  none.g->run.SliderKlGranitAz = 0;
  CreateSmallGranite(*none.g);
  EXPECT_EQ(GraniteCells(none), 0);

  StepFixture empty;  // clusters start but stay empty
  empty.g->run.SliderKlGranitAz = 15;
  empty.g->run.SliderKlGranitAus = 0;
  CreateSmallGranite(*empty.g);
  EXPECT_EQ(GraniteCells(empty), 0);
  EXPECT_GT(empty.g->rng.Draws(), 32u * 32u);

  // A level of 10 fills the whole 3 x 3 block round (0, 0); its mirror wraps like it.
  StepFixture full(32, 32, Gruenland, 4);
  full.MakeSymmetric();
  full.g->run.SliderKlGranitAz = 15;
  full.g->run.SliderKlGranitAus = 10;
  full.SetClass(0, 0, 0);
  for (int run = 0; run < 200 && GraniteCells(full) == 0; ++run) {
    full.host.cancel_after = full.host.cancel_queries;  // column 0 only
    CreateSmallGranite(*full.g);
  }
  EXPECT_EQ(GraniteCells(full), 9);
  for (int i = 0; i <= 8; ++i) {
    const int x = (RingOffsetX[i] + 32) % 32, y = (RingOffsetY[i] + 32) % 32;
    EXPECT_TRUE(IsGranite(full, x, y) && IsGranite(full, (32 - x) % 32, (32 - y) % 32)) << i;
  }
}

}  // namespace
}  // namespace swd
