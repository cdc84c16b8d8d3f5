#include <gtest/gtest.h>

#include "regions/region_fixture.hpp"
#include "regions/region_steps.hpp"

namespace swd {
namespace {

using test::SeedWhoseFirstDraw;
using test::StepFixture;

// Class 6 on x 10..13, y 10..12 but for (13, 10): (11, 11) sees nine class-6 cells, (12, 11)
// eight, the others fewer.
void TwoCandidates(StepFixture& f) {
  for (int x = 10; x <= 13; ++x)
    for (int y = 10; y <= 12; ++y)
      if (x != 13 || y != 10) f.SetClass(x, y, 6);
}

TEST(CreateSteppesAndSavannas, OnlyCellsAmongEightClass6NeighboursDrawAndChangesCountAtOnce) {
  StepFixture to4;
  to4.g->rng.Seed(SeedWhoseFirstDraw(100, [](int r) { return r <= 20; }));
  TwoCandidates(to4);
  CreateSteppesAndSavannas(*to4.g, 6);
  EXPECT_EQ(to4.At(11, 11, TerrainLayerA), 4);
  EXPECT_EQ(to4.At(11, 11, HeightLayer), 24);
  EXPECT_EQ(to4.g->rng.Draws(), 1u);  // (12, 11) now sees only seven

  StepFixture stays;
  stays.g->rng.Seed(SeedWhoseFirstDraw(100, [](int r) { return r > 20 && r < 100; }));
  TwoCandidates(stays);
  CreateSteppesAndSavannas(*stays.g, 6);
  EXPECT_EQ(stays.At(11, 11, TerrainLayerA), 6);
  EXPECT_EQ(stays.g->rng.Draws(), 2u);
}

TEST(CreateSteppesAndSavannas, TheDrawOf100KeepsClass6) {
  StepFixture f;
  f.g->rng.Seed(SeedWhoseFirstDraw(100, [](int r) { return r == 100; }));
  for (int x = 4; x <= 6; ++x)
    for (int y = 4; y <= 6; ++y)
      f.SetClass(x, y, 6);
  f.g->grid(5, 5, HeightLayer) = 99;
  CreateSteppesAndSavannas(*f.g, 6);
  EXPECT_EQ(f.g->rng.Draws(), 1u);
  EXPECT_EQ(f.At(5, 5, TerrainLayerA), 6);
  EXPECT_EQ(f.At(5, 5, HeightLayer), 24);  // laid again as class 6
}

TEST(CreateSteppesAndSavannas, MirrorsOnASymmetricBaseAndReportsPerColumn) {
  StepFixture f;
  f.MakeSymmetric();
  f.g->rng.Seed(SeedWhoseFirstDraw(100, [](int r) { return r <= 20; }));
  for (int x = 4; x <= 6; ++x)
    for (int y = 4; y <= 6; ++y)
      f.SetClass(x, y, 6);
  CreateSteppesAndSavannas(*f.g, 6);
  EXPECT_EQ(f.At(5, 5, TerrainLayerA), 4);
  EXPECT_EQ(f.At(27, 27, TerrainLayerA), 4);
  ASSERT_EQ(f.host.progress.size(), 32u);
  EXPECT_EQ(f.host.progress.back(), 97);
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Schaffe Steppen und Savannen", ""}));

  StepFixture cancelled;
  cancelled.host.cancel_after = 0;
  CreateSteppesAndSavannas(*cancelled.g, 6);
  EXPECT_EQ(cancelled.host.progress, (std::vector<int>{0}));
  EXPECT_EQ(cancelled.host.statuses, (std::vector<std::string>{"Schaffe Steppen und Savannen"}));
}

}  // namespace
}  // namespace swd
