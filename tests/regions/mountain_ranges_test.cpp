#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "regions/region_fixture.hpp"
#include "regions/region_steps.hpp"
#include "regions/region_uses.hpp"

namespace swd {
namespace {

using test::SetWalks;
using test::StepFixture;

std::set<std::pair<int, int>> RecordedPoints(const StepFixture& f, int r) {
  std::set<std::pair<int, int>> points;
  for (int i = 1; i <= f.g->ranges.lengths[r]; ++i) {
    const GridPoint p = f.g->ranges.Point(r, i);
    EXPECT_EQ(f.At(p.x, p.y, TerrainLayerA), 7) << r << ":" << i;
    points.insert({p.x, p.y});
  }
  return points;
}

TEST(RangePointList, RangesPast300ShareTheLastNumberAndStartAgain) {
  StepFixture f(64, 64);
  SetWalks(f, 7, 304, 0, 0);  // 305 ranges of a seed and one step each
  ASSERT_TRUE(RegionWalk(*f.g, 7, kMountainRangeUse));
  const RangePointList& list = f.g->ranges;
  EXPECT_EQ(list.count, 300);
  for (int r = 1; r <= 300; ++r) {
    EXPECT_LE(list.lengths[r], 2) << r;
    EXPECT_EQ(static_cast<int>(RecordedPoints(f, r).size()), list.lengths[r]);
  }
}

TEST(RangePointList, ALongRangeKeepsOverwritingItsLastPoint) {
  // Water dots on every eighth row keep bands of five rows unpainted, so the walker is not
  // shut in by its own range and paints the three rows between the bands.
  StepFixture f(96, 96);
  test::Paint(f, [](int x, int y) { return x % 3 == 0 && y % 8 == 0 ? 1 : 0; });
  SetWalks(f, 7, 0, 20000, 20000);
  ASSERT_TRUE(RegionWalk(*f.g, 7, kMountainRangeUse));
  const RangePointList& list = f.g->ranges;
  ASSERT_EQ(list.count, 1);
  EXPECT_EQ(list.lengths[1], 600);
  EXPECT_EQ(RecordedPoints(f, 1).size(), 600u);  // every painted cell was meadow before
  EXPECT_GT(f.Count(TerrainLayerA, [](int v) { return v == 7; }), 600);
}

TEST(RangePointList, SeedsOnMountainsAreNotRecordedAndFailedSeedsAreNoRange) {
  StepFixture mountains(32, 32, Gruenland, 7);
  mountains.g->ranges.count = 9;  // left from an earlier step
  SetWalks(mountains, 7, 2, 10, 10);
  CreateMountainRanges(*mountains.g);  // the step starts the list afresh
  // RegionAmounts ran inside the step: with no base there are no ranges at all.
  EXPECT_EQ(mountains.g->ranges.count, 0);

  SetWalks(mountains, 7, 2, 10, 10);
  ASSERT_TRUE(RegionWalk(*mountains.g, 7, kMountainRangeUse));
  EXPECT_EQ(mountains.g->ranges.count, 3);
  for (int r = 1; r <= 3; ++r)
    EXPECT_EQ(mountains.g->ranges.lengths[r], 0);

  StepFixture water(32, 32, Gruenland, 1);
  SetWalks(water, 7, 2, 10, 10);
  ASSERT_TRUE(RegionWalk(*water.g, 7, kMountainRangeUse));
  EXPECT_EQ(water.g->ranges.count, 0);
}

TEST(RangePointList, MirrorCellsAreNotRecorded) {
  StepFixture f(64, 64);
  f.MakeSymmetric();
  SetWalks(f, 7, 0, 30, 30);
  ASSERT_TRUE(RegionWalk(*f.g, 7, kMountainRangeUse));
  const auto points = RecordedPoints(f, 1);
  ASSERT_GT(points.size(), 3u);
  int mountains = 0;
  for (int y = 0; y <= 64; ++y)
    for (int x = 0; x <= 64; ++x)
      mountains += f.At(x, y, TerrainLayerA) == 7;
  EXPECT_EQ(mountains, 2 * static_cast<int>(points.size()));
  for (auto [x, y] : points)
    EXPECT_EQ(points.count({64 - x, 64 - y}), 0u);
}

// Status texts of the region steps themselves, leaving out those of the coast passes.
std::vector<std::string> OwnStatuses(const StepFixture& f) {
  std::vector<std::string> own;
  for (const auto& s : f.host.statuses)
    if (!s.empty() && s != "Angleichen an Umgebung" && s != "Ränder werden angeglichen") {
      own.push_back(s);
    }
  return own;
}

TEST(CreateMountainRanges, NamesTheDryRegionsByLandscapeTypeAndSprinklesThemOutsideWinterland) {
  const std::vector<std::vector<std::string>> expected{
      {"Gebirgszüge werden geschaffen", "Wüstenregionen werden geschaffen",
       "Schaffe Steppen und Savannen"},
      {"Gebirgszüge werden geschaffen", "Ödland wird geschaffen", "Schaffe Steppen und Savannen"},
      {"Gebirgszüge werden geschaffen", "Eisregionen werden geschaffen"}};
  for (int type : {Gruenland, Oedland, Winterland}) {
    StepFixture f(32, 32, type);
    f.g->run.CheckFlaechenvariante = true;
    CreateMountainRanges(*f.g);
    EXPECT_EQ(OwnStatuses(f), expected[type]) << type;
  }
}

TEST(CreateMountainRanges, ACancelAfterARangeSkipsTheRest) {
  StepFixture f(64, 64);
  f.g->run.CheckFlaechenvariante = true;  // two ranges, two dry regions
  f.g->amounts.RegionMaxSizeBase[7] = f.g->amounts.RegionMinSizeBase[7] = 20;
  f.host.cancel_after = 0;
  CreateMountainRanges(*f.g);
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Gebirgszüge werden geschaffen"}));
  EXPECT_EQ(f.g->ranges.count, 1);
  EXPECT_GT(f.g->ranges.lengths[1], 1);
  EXPECT_EQ(f.Count(TerrainLayerA, [](int v) { return v != 0 && v != 7; }), 0);
}

TEST(CreateLakesAndMoors, ShowsLakesOrMoorsAndStopsOnCancelBeforeTheShorePasses) {
  for (int type : {Gruenland, Oedland, Winterland}) {
    StepFixture f(64, 64, type);
    f.g->run.CheckFlaechenvariante = true;
    f.g->amounts.RegionMinSizeBase[1] = f.g->amounts.RegionMaxSizeBase[1] = 30;
    CreateLakesAndMoors(*f.g);
    ASSERT_GE(f.host.statuses.size(), 2u);
    EXPECT_EQ(f.host.statuses[0],
              type == Oedland ? "Moore werden geschaffen" : "Seen werden geschaffen");
    EXPECT_EQ(f.host.statuses[1], "");
    EXPECT_GT(f.Count(TerrainLayerA, [](int v) { return v == 1; }), 2);
  }
  StepFixture f(64, 64);
  f.host.cancel_after = 0;
  f.g->run.CheckFlaechenvariante = true;
  CreateLakesAndMoors(*f.g);
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Seen werden geschaffen"}));
}

TEST(CreateClimateRegions, WalksTheThreeClassesInOrderWithTheirTexts) {
  const std::vector<std::vector<std::string>> expected{
      {"Wälder werden geschaffen", "Sümpfe werden geschaffen", "Savannen werden geschaffen"},
      {"Wälder werden geschaffen", "Lava wird geschaffen", "Tundra wird geschaffen"},
      {"Wälder werden geschaffen", "Eis wird geschaffen", "Steppen werden geschaffen"}};
  for (int type : {Gruenland, Oedland, Winterland}) {
    StepFixture f(32, 32, type);
    for (int c : {2, 3, 4})
      f.g->amounts.RegionMinSizeBase[c] = f.g->amounts.RegionMaxSizeBase[c] = 10;
    CreateClimateRegions(*f.g);
    EXPECT_EQ(OwnStatuses(f), expected[type]);
    // With no base count each class still gets floor(0.5 + 1) = 1, so two regions.
    for (int c : {2, 3, 4})
      EXPECT_EQ(f.g->amounts.RegionCount[c], 1.0f);
  }
  StepFixture f(32, 32);
  f.host.cancel_after = 0;
  CreateClimateRegions(*f.g);
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Wälder werden geschaffen"}));
  EXPECT_EQ(f.Count(TerrainLayerA, [](int v) { return v == 3 || v == 4; }), 0);
}

}  // namespace
}  // namespace swd
