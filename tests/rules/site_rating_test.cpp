// The building-site rule, one numbered step at a time: a flat meadow holds a large building
// at (16, 16), and each case changes its neighbourhood just enough to change that.
#include <gtest/gtest.h>

#include <functional>

#include "analysis/map_maker.hpp"
#include "rules/site_rating.hpp"

namespace swd {
namespace {

using test::FlatMap;
using test::PutObject;
using test::SetTrianglesAround;

constexpr int kX = 16, kY = 16;  // an even row: NW (15, 15), NE (16, 15), SE (16, 17)
constexpr int kTree = 0xC4, kGranite = 0xCC, kDecoration = 0xC8;
constexpr int kSolidDecoration = 0x0B, kFlatDecoration = 0x01;
constexpr int kMountain = 1, kDesert = 4, kSnow = 2, kLava = 16;

SiteSize RatedAfter(const std::function<void(SwdMap&)>& change) {
  SwdMap map = FlatMap(32, 32);
  change(map);
  return RateBuildingSites(map)[kX + 32 * kY];
}

struct Case {
  const char* what;
  std::function<void(SwdMap&)> change;
  SiteSize expected;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases)
    EXPECT_EQ(RatedAfter(c.change), c.expected) << c.what;
}

void Height(SwdMap& m, int x, int y, int h) {
  m.At(HeightLayer, x, y) = static_cast<std::uint8_t>(h);
}

TEST(SiteRating, SolidObjectsOnTheVertexAndTheTerrainAroundIt) {  // rules 1 and 2
  ExpectAll({
      {"flat meadow", [](SwdMap&) {}, SiteSize::Large},
      {"tree", [](SwdMap& m) { PutObject(m, kX, kY, kTree, 0); }, SiteSize::Nothing},
      {"granite", [](SwdMap& m) { PutObject(m, kX, kY, kGranite, 3); }, SiteSize::Nothing},
      {"solid decoration", [](SwdMap& m) { PutObject(m, kX, kY, kDecoration, kSolidDecoration); },
       SiteSize::Nothing},
      {"flat decoration", [](SwdMap& m) { PutObject(m, kX, kY, kDecoration, kFlatDecoration); },
       SiteSize::Large},
      {"one snow triangle", [](SwdMap& m) { m.At(TerrainLayerB, kX, kY) = kSnow; },
       SiteSize::Nothing},
      {"one lava triangle above", [](SwdMap& m) { m.At(TerrainLayerA, kX - 1, kY - 1) = kLava; },
       SiteSize::Nothing},
      {"one desert triangle", [](SwdMap& m) { m.At(TerrainLayerA, kX, kY) = kDesert; },
       SiteSize::Flag},
      {"six mountain triangles", [](SwdMap& m) { SetTrianglesAround(m, kX, kY, kMountain); },
       SiteSize::Mine},
      {"five water triangles and one meadow",
       [](SwdMap& m) {
         SetTrianglesAround(m, kX, kY, test::kWater);
         m.At(TerrainLayerB, kX, kY) = test::kMeadow;
       },
       SiteSize::Flag},
      {"six water triangles", [](SwdMap& m) { SetTrianglesAround(m, kX, kY, test::kWater); },
       SiteSize::Nothing},
      // The upper bits of a terrain byte are no part of its code.
      {"meadow with upper bits", [](SwdMap& m) { m.At(TerrainLayerA, kX, kY) = 0x40 | 8; },
       SiteSize::Large},
  });
}

TEST(SiteRating, HeightsAroundTheVertex) {  // rule 3
  const auto mountain = [](SwdMap& m) { SetTrianglesAround(m, kX, kY, kMountain); };
  ExpectAll({
      {"SE 1 higher", [](SwdMap& m) { Height(m, kX, kY + 1, 11); }, SiteSize::Large},
      {"SE 2 higher", [](SwdMap& m) { Height(m, kX, kY + 1, 12); }, SiteSize::Flag},
      {"SE 3 lower", [](SwdMap& m) { Height(m, kX, kY + 1, 7); }, SiteSize::Large},
      {"W 3 higher", [](SwdMap& m) { Height(m, kX - 1, kY, 13); }, SiteSize::Large},
      {"W 4 higher", [](SwdMap& m) { Height(m, kX - 1, kY, 14); }, SiteSize::Flag},
      {"NE 4 lower", [](SwdMap& m) { Height(m, kX, kY - 1, 6); }, SiteSize::Flag},
      {"two steps east 2 higher", [](SwdMap& m) { Height(m, kX + 2, kY, 12); }, SiteSize::Large},
      {"two steps east 3 higher", [](SwdMap& m) { Height(m, kX + 2, kY, 13); }, SiteSize::Small},
      {"two rows up 3 lower", [](SwdMap& m) { Height(m, kX, kY - 2, 7); }, SiteSize::Small},
      {"three steps east 9 higher", [](SwdMap& m) { Height(m, kX + 3, kY, 19); }, SiteSize::Large},
      {"mine, SE 3 higher",
       [&](SwdMap& m) {
         mountain(m);
         Height(m, kX, kY + 1, 13);
       },
       SiteSize::Mine},
      {"mine, SE 4 higher",
       [&](SwdMap& m) {
         mountain(m);
         Height(m, kX, kY + 1, 14);
       },
       SiteSize::Flag},
      {"mine, W 9 higher",
       [&](SwdMap& m) {
         mountain(m);
         Height(m, kX - 1, kY, 19);
       },
       SiteSize::Mine},
  });
}

TEST(SiteRating, ObjectsAroundTheVertex) {  // rule 4
  const auto mountain = [](SwdMap& m) { SetTrianglesAround(m, kX, kY, kMountain); };
  ExpectAll({
      {"granite E", [](SwdMap& m) { PutObject(m, kX + 1, kY, kGranite, 1); }, SiteSize::Flag},
      {"granite SW", [](SwdMap& m) { PutObject(m, kX - 1, kY + 1, kGranite, 6); }, SiteSize::Flag},
      {"tree E", [](SwdMap& m) { PutObject(m, kX + 1, kY, kTree, 0); }, SiteSize::Small},
      {"tree NW", [](SwdMap& m) { PutObject(m, kX - 1, kY - 1, kTree + 2, 0); }, SiteSize::Small},
      {"tree two steps away", [](SwdMap& m) { PutObject(m, kX + 2, kY, kTree, 0); },
       SiteSize::Large},
      {"solid decoration W",
       [](SwdMap& m) { PutObject(m, kX - 1, kY, kDecoration, kSolidDecoration); },
       SiteSize::Medium},
      {"solid decoration NE", [](SwdMap& m) { PutObject(m, kX, kY - 1, kDecoration + 1, 0x30); },
       SiteSize::Medium},
      {"solid decoration E",
       [](SwdMap& m) { PutObject(m, kX + 1, kY, kDecoration, kSolidDecoration); }, SiteSize::Large},
      {"flat decoration W",
       [](SwdMap& m) { PutObject(m, kX - 1, kY, kDecoration, kFlatDecoration); }, SiteSize::Large},
      {"mine, tree E",
       [&](SwdMap& m) {
         mountain(m);
         PutObject(m, kX + 1, kY, kTree, 0);
       },
       SiteSize::Mine},
      {"mine, granite E",
       [&](SwdMap& m) {
         mountain(m);
         PutObject(m, kX + 1, kY, kGranite, 2);
       },
       SiteSize::Flag},
  });
}

TEST(SiteRating, TheFlagOfABuildingAtSouthEast) {  // rule 5
  ExpectAll({
      {"solid decoration SE", [](SwdMap& m) { PutObject(m, kX, kY + 1, kDecoration, 0x15); },
       SiteSize::Flag},
      // A(17, 16) touches SE, not the vertex itself.
      {"snow at SE", [](SwdMap& m) { m.At(TerrainLayerA, kX + 1, kY) = kSnow; }, SiteSize::Flag},
      {"mine, snow at SE",
       [](SwdMap& m) {
         SetTrianglesAround(m, kX, kY, kMountain);
         m.At(TerrainLayerA, kX + 1, kY) = kSnow;
       },
       SiteSize::Flag},
  });
  // The same in an odd row, and across the map's edge: (31, 31) has SE (0, 0).
  SwdMap map = FlatMap(32, 32);
  EXPECT_EQ(RateBuildingSites(map)[31 + 32 * 31], SiteSize::Large);
  PutObject(map, 0, 0, kTree, 0);
  EXPECT_EQ(RateBuildingSites(map)[31 + 32 * 31], SiteSize::Flag);
}

}  // namespace
}  // namespace swd
