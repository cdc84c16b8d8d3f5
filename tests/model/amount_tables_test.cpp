#include <gtest/gtest.h>

#include <memory>

#include "model/amount_tables.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

struct Tables {
  test::RecordingHost host;
  std::unique_ptr<Generator> g = std::make_unique<Generator>(host);
  const AmountTables& t = g->amounts;

  Tables(int w, int h, bool area_variant) {
    g->settings.MapWidth = static_cast<std::int16_t>(w);
    g->settings.MapHeight = static_cast<std::int16_t>(h);
    g->settings.CheckFlaechenvariante = area_variant;
    ComputeClassTables(*g);
  }
};

TEST(ComputeClassTables, BlockCountsAreUnroundedAndCappedForMountainsAndGranite) {
  const Tables small(32, 32, false);  // B = 4, A = 22 * 22
  EXPECT_FLOAT_EQ(small.t.RegionCountBase[1], 0.25f);
  EXPECT_FLOAT_EQ(small.t.RegionCountBase[3], 0.16f);
  EXPECT_FLOAT_EQ(small.t.RegionMaxSizeBase[1], 484 * 0.21f * 1.5f);
  EXPECT_FLOAT_EQ(small.t.RegionMinSizeBase[11], 484 * 0.07f * 1.5f);

  const Tables mid(64, 64, false);  // B = 16, A = 54 * 54
  EXPECT_EQ(mid.t.RegionCountBase[1], 1.0f);
  EXPECT_EQ(mid.t.RegionCountBase[7], 4.0f);
  EXPECT_NEAR(mid.t.RegionMaxSizeBase[7], 3586.68f, 0.01f);
  EXPECT_NEAR(mid.t.RegionMinSizeBase[7], 1924.56f, 0.01f);

  const Tables large(256, 256, false);  // B = 256: 64 mountain ranges and granite fields
  EXPECT_EQ(large.t.RegionCountBase[7], 32.0f);
  EXPECT_EQ(large.t.RegionCountBase[11], 32.0f);
  EXPECT_EQ(large.t.RegionCountBase[2], 64.0f);  // forests are not capped
  EXPECT_EQ(large.t.RegionCountBase[1], 16.0f);

  const Tables wide(160, 96, false);  // B = 10 * 6
  EXPECT_FLOAT_EQ(wide.t.RegionCountBase[4], 60.0f / 9.0f);
}

TEST(ComputeClassTables, TheAreaVariantRoundsPerRegionAmountsOfTheMeanSide) {
  const Tables mid(64, 64, true);  // S = 64
  EXPECT_EQ(mid.t.RegionCountBase[1], 6.0f);
  EXPECT_EQ(mid.t.RegionMaxSizeBase[7], 256.0f);
  EXPECT_EQ(mid.t.RegionMinSizeBase[7], 96.0f);
  EXPECT_EQ(mid.t.RegionMinSizeBase[11], 3.0f);  // 2.56 + 0.5

  const Tables large(256, 256, true);  // no cap here: floor(256 * 0.13 + 0.5)
  EXPECT_EQ(large.t.RegionCountBase[7], 33.0f);
  EXPECT_EQ(large.t.RegionCountBase[11], 51.0f);

  const Tables wide(160, 96, true);  // S = 128
  EXPECT_EQ(wide.t.RegionCountBase[2], 17.0f);
  EXPECT_EQ(wide.t.RegionMaxSizeBase[3], 90.0f);
}

TEST(ComputeClassTables, UnusedEntriesStayZeroAndDecorationTablesAreFixed) {
  for (bool area_variant : {false, true}) {
    for (int side : {32, 128, 256}) {
      const Tables x(side, 48, area_variant);
      for (int c : {0, 5, 8, 9, 10}) {
        EXPECT_EQ(x.t.RegionCountBase[c], 0.0f);
        EXPECT_EQ(x.t.RegionMinSizeBase[c], 0.0f);
        EXPECT_EQ(x.t.RegionMaxSizeBase[c], 0.0f);
      }
      EXPECT_EQ(x.t.DecorationDenseRange[5], 73.0);
      EXPECT_EQ(x.t.DecorationBaseRange[0], 300.0);
      EXPECT_EQ(x.t.DecorationBaseRange[8], 0.0);
    }
  }
  // A second computation for another size leaves nothing of the first behind.
  Tables t(64, 64, true);
  t.g->settings.CheckFlaechenvariante = false;
  ComputeClassTables(*t.g);
  EXPECT_EQ(t.t.RegionCountBase[1], 1.0f);
}

}  // namespace
}  // namespace swd
