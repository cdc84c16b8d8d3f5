#include <gtest/gtest.h>

#include <cmath>

#include "model/primitives.hpp"
#include "regions/region_fixture.hpp"
#include "regions/region_walk.hpp"

namespace swd {
namespace {

using test::StepFixture;

void Bases(StepFixture& f, int c, float count, float min_size, float max_size) {
  f.g->amounts.RegionCountBase[c] = count;
  f.g->amounts.RegionMinSizeBase[c] = min_size;
  f.g->amounts.RegionMaxSizeBase[c] = max_size;
}

struct Amounts {
  float count, min_size, max_size;
  bool operator==(const Amounts&) const = default;
};
Amounts Of(const StepFixture& f, int c) {
  const auto& a = f.g->amounts;
  return {a.RegionCount[c], a.RegionMinSize[c], a.RegionMaxSize[c]};
}

TEST(RegionAmounts, AreaVariantScalesPerRegionSizesAndKeepsAtLeastOneCount) {
  StepFixture f;
  f.g->run.CheckFlaechenvariante = true;
  Bases(f, 7, 2, 96, 256);
  f.g->run.Slider1[7] = 10;  // factor 4.77: floor(0.5 + 9.55) = 10
  f.g->run.Slider2[7] = 0;   // factor 0.21: floor(0.5 + 20.12) = 20, floor(0.5 + 53.66) = 54
  RegionAmounts(*f.g, 7);
  EXPECT_EQ(Of(f, 7), (Amounts{10, 20, 54}));

  Bases(f, 1, 0, 0, 0);  // no base: still one count, so two regions
  RegionAmounts(*f.g, 1);
  EXPECT_EQ(Of(f, 1), (Amounts{1, 0, 0}));
  EXPECT_EQ(f.g->rng.Draws(), 0u);
}

TEST(RegionAmounts, WithoutAreaVariantDrawsACountAndSharesTheTotalsOut) {
  for (int level : {0, 5, 10}) {
    StepFixture f;
    Bases(f, 2, 6.5f, 10, 40);
    f.g->run.Slider1[2] = 3;
    f.g->run.Slider2[2] = level;
    RegionAmounts(*f.g, 2);
    EXPECT_EQ(f.g->rng.Draws(), 1u);
    // The draw lies in floor(6.5 / 3) .. floor(6.5); the slider then scales it.
    const float count = f.g->amounts.RegionCount[2];
    bool reachable = false;
    for (int drawn = 2; drawn <= 6; ++drawn) {
      const double scaled = std::floor(0.5 + SliderFactor(3) * drawn);
      reachable |= count == (scaled == 0 ? -1 : scaled);
    }
    ASSERT_TRUE(reachable) << count;
    const double k = SliderFactor(level);
    EXPECT_EQ(f.g->amounts.RegionMinSize[2], std::floor(0.5 + k * double(10.0f / count)));
    EXPECT_EQ(f.g->amounts.RegionMaxSize[2], std::floor(0.5 + k * double(40.0f / count)));
  }
}

TEST(RegionAmounts, ASliderProductOfZeroMeansNoRegionAndWalksNothing) {
  StepFixture f(64, 64);
  Bases(f, 1, 1, 100, 100);  // draw 0 or 1, then floor(0.5 + 0.21 * n) = 0
  f.g->run.Slider1[1] = 0;
  RegionAmounts(*f.g, 1);
  EXPECT_EQ(f.g->amounts.RegionCount[1], -1.0f);
  const auto before = f.g->rng.Draws();
  EXPECT_TRUE(RegionWalk(*f.g, 1, RegionUse{}));
  EXPECT_EQ(f.g->rng.Draws(), before);
  EXPECT_EQ(f.Count(TerrainLayerA, [](int v) { return v != 0; }), 0);
}

TEST(RegionAmounts, AMissingBaseGivesNoRegionOrForClimateOneCount) {
  StepFixture f;
  Bases(f, 6, 0, 50, 80);
  f.g->amounts.RegionCount[6] = 7;  // an earlier run's count is never reused
  RegionAmounts(*f.g, 6);
  EXPECT_EQ(Of(f, 6), (Amounts{-1, 0, 0}));
  Bases(f, 7, -2, 50, 80);
  RegionAmounts(*f.g, 7);
  EXPECT_EQ(f.g->amounts.RegionCount[7], -1.0f);
  EXPECT_EQ(f.g->rng.Draws(), 0u);

  struct Case {
    int level;
    float count;
  };
  for (Case c : {Case{10, 5}, Case{5, 1}, Case{0, -1}}) {
    Bases(f, 3, 0, 12, 30);
    f.g->run.Slider1[3] = c.level;
    RegionAmounts(*f.g, 3, MissingBase::CountOne);
    EXPECT_EQ(f.g->amounts.RegionCount[3], c.count) << c.level;
    EXPECT_EQ(f.g->amounts.RegionMaxSize[3], std::floor(0.5 + double(30.0f / c.count)));
  }
  EXPECT_EQ(f.g->rng.Draws(), 0u);
}

TEST(RegionAmounts, ASymmetricBaseHalvesAllThreeValues) {
  StepFixture f;
  f.MakeSymmetric();
  f.g->run.CheckFlaechenvariante = true;
  Bases(f, 4, 5, 7, 31);
  RegionAmounts(*f.g, 4);
  EXPECT_EQ(Of(f, 4), (Amounts{2, 3, 15}));
  Bases(f, 4, 1, 1, 2);  // a count of 1 halves to 0: one region is left
  RegionAmounts(*f.g, 4);
  EXPECT_EQ(Of(f, 4), (Amounts{0, 0, 1}));

  f.g->run.CheckFlaechenvariante = false;
  f.g->run.Slider1[4] = 0;
  RegionAmounts(*f.g, 4);  // no region stays no region
  EXPECT_EQ(f.g->amounts.RegionCount[4], -1.0f);
}

}  // namespace
}  // namespace swd
