// Fair starts on hand-made landscapes, where the fair choice is plain to see, and on
// generated maps of every shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "analysis/map_analysis.hpp"
#include "analysis/map_maker.hpp"
#include "finish/fair_starts.hpp"
#include "mapfile/grid_map.hpp"
#include "mapfile/lattice.hpp"
#include "mapfile/object_codes.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/site_rating.hpp"
#include "rules/vertex_facts.hpp"
#include "rules/walking.hpp"
#include "run/run.hpp"
#include "support/generated_map.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::FlatMap;
using test::PutObject;
using test::SetTrianglesAround;

constexpr int kSide = 64;

StartSearch Search(int wanted) {
  StartSearch s;
  s.wanted = wanted;
  s.min_distance = 24;
  return s;
}

// Sea all round, with a square of meadow from (x0, y0), `side` vertices wide.
SwdMap IslandMap(int x0, int y0, int side) {
  SwdMap map = FlatMap(kSide, kSide);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x)
      SetTrianglesAround(map, x, y, test::kWater);
  }
  for (int y = y0; y < y0 + side; ++y) {
    for (int x = x0; x < x0 + side; ++x)
      SetTrianglesAround(map, x, y, test::kMeadow);
  }
  return map;
}

StartChoice Choose(SwdMap& map, const StartSearch& search) {
  const StartGround ground = ReadStartGround(map);
  return ChooseStarts(map, ground, search);
}

TEST(FairStarts, EachStartIsALargeSiteApartFromTheOthersAndOnTheLandTheyShare) {
  // A large island and, far off, an islet of a few vertices: walled in by water, a start
  // there could never meet the others.
  SwdMap map = IslandMap(4, 4, 40);
  for (int y = 52; y < 58; ++y) {
    for (int x = 52; x < 58; ++x)
      SetTrianglesAround(map, x, y, test::kMeadow);
  }
  PutObject(map, 20, 20, 0xCC, 5);  // rocks and trees on the land are cleared from a block
  PutObject(map, 21, 21, 0xC4, 50);
  StartSearch search = Search(3);
  std::vector<int> reported;  // the search tells how far it has got, rising within its share
  search.report = [&](int percent) { reported.push_back(percent); };
  const StartChoice choice = Choose(map, search);
  ASSERT_FALSE(reported.empty());
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_GT(reported.front(), 0);
  EXPECT_LE(reported.back(), kSearchShare);
  ASSERT_EQ(choice.starts.size(), 3u);
  for (std::size_t i = 0; i < choice.starts.size(); ++i) {
    const VertexPos s = choice.starts[i];
    EXPECT_EQ(RateSite(map, s.x, s.y), SiteSize::Large) << i;
    EXPECT_TRUE(s.x >= 4 && s.x < 44 && s.y >= 4 && s.y < 44) << i << ": " << s.x << "," << s.y;
    EXPECT_EQ(*map.header.hq_x[i + 1], s.x);
    for (std::size_t j = 0; j < i; ++j) {
      const VertexPos o = choice.starts[j];
      EXPECT_GE(LatticeDistance(s.x, s.y, o.x, o.y, kSide, kSide), 24) << i << " " << j;
    }
  }
  EXPECT_EQ(map.header.player_count, 3);

  // The same map and search choose the same starts.
  SwdMap again = IslandMap(4, 4, 40);
  for (int y = 52; y < 58; ++y) {
    for (int x = 52; x < 58; ++x)
      SetTrianglesAround(again, x, y, test::kMeadow);
  }
  PutObject(again, 20, 20, 0xCC, 5);
  PutObject(again, 21, 21, 0xC4, 50);
  EXPECT_EQ(Choose(again, Search(3)).starts, choice.starts);
}

TEST(FairStarts, MirroredPairsOnASymmetricMapAndNeverFewerThanTheRandomPlacement) {
  SwdMap map = IslandMap(2, 2, 60);
  StartSearch search = Search(4);
  search.symmetric = true;
  const StartChoice choice = Choose(map, search);
  ASSERT_EQ(choice.starts.size(), 4u);
  for (std::size_t i = 0; i < 4; i += 2) {
    EXPECT_EQ(choice.starts[i + 1].x, (kSide - choice.starts[i].x) % kSide);
    EXPECT_EQ(choice.starts[i + 1].y, (kSide - choice.starts[i].y) % kSide);
  }

  // No room for a start at all: the random placement's starts stay as they were.
  SwdMap sea = IslandMap(0, 0, 0);
  StartSearch fallback = Search(2);
  fallback.fallback = {{10, 10}, {40, 40}};
  EXPECT_EQ(Choose(sea, fallback).starts, fallback.fallback);
}

// A bare meadow without a tree or a rock: the balance adds wood and stone to every start
// until it has what a start needs, from the map's random source, the same for the same seed.
TEST(FairStarts, TheBalanceGivesAStartWithoutWoodOrStoneWhatItNeeds) {
  const auto balanced = [](std::uint32_t seed) {
    test::RecordingHost host;
    auto g = std::make_unique<Generator>(host);
    g->run.MapWidth = g->run.MapHeight = kSide;
    SwdMap map = FlatMap(kSide, kSide);
    const std::vector<VertexPos> starts{{16, 16}, {48, 48}};
    map.header.player_count = 2;
    for (int p = 1; p <= 2; ++p) {
      map.header.hq_x[p] = static_cast<std::uint16_t>(starts[p - 1].x);
      map.header.hq_y[p] = static_cast<std::uint16_t>(starts[p - 1].y);
    }
    StoreInGrid(*g, map);
    g->rng.Seed(seed);
    BalanceWoodAndStone(*g, map, ReadStartGround(map), starts);
    return MapOfGrid(*g);
  };
  const SwdMap map = balanced(5);
  const MapAnalysis a = AnalyzeMap(map, kDefaultRadius);
  ASSERT_EQ(a.starts.size(), 2u);
  for (const StartReport& s : a.starts) {
    EXPECT_GE(s.figures[fig::Trees], kFigures[fig::Trees].level) << s.start.player;
    EXPECT_GE(s.figures[fig::Granite], kFigures[fig::Granite].level) << s.start.player;
    EXPECT_EQ(RateSite(map, s.start.at.x, s.start.at.y), SiteSize::Large);
  }
  ASSERT_TRUE(a.fairness);
  EXPECT_GE(a.fairness->index, 0.95);
  EXPECT_EQ(balanced(5).layers, map.layers);
  EXPECT_NE(balanced(6).layers, map.layers);
}

// A rock leaves a flag at most beside it, on a mine site too. Where a start's area has ground
// that holds no site, a desert here, the balance puts its rocks there and leaves the
// mountain's mine sites be; the other start, on meadow only, gets its rocks all the same.
TEST(FairStarts, TheBalancePutsRocksWhereTheySpoilNoSite) {
  test::RecordingHost host;
  auto g = std::make_unique<Generator>(host);
  g->run.MapWidth = g->run.MapHeight = kSide;
  SwdMap map = FlatMap(kSide, kSide);
  constexpr int kMountain = 1;
  constexpr int kDesert = 4;
  for (int y = 4; y <= 14; ++y) {
    for (int x = 20; x <= 30; ++x)
      SetTrianglesAround(map, x, y, kMountain);
  }
  for (int y = 24; y <= 34; ++y) {
    for (int x = 2; x <= 12; ++x)
      SetTrianglesAround(map, x, y, kDesert);
  }
  const std::vector<VertexPos> starts{{16, 16}, {48, 48}};
  StoreInGrid(*g, map);
  g->rng.Seed(3);
  BalanceWoodAndStone(*g, map, ReadStartGround(map), starts);
  const SwdMap balanced = MapOfGrid(*g);
  int rocks_first = 0;
  int rocks_second = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (KindOfObject(balanced.At(ObjectTypeLayer, x, y)) != ObjectKind::Granite) continue;
      const bool first =
          LatticeDistance(x, y, 16, 16, kSide, kSide) < LatticeDistance(x, y, 48, 48, kSide, kSide);
      (first ? rocks_first : rocks_second) += 1;
      if (first) {
        EXPECT_TRUE(x >= 2 && x <= 12 && y >= 24 && y <= 34) << x << "," << y;
      }
    }
  }
  EXPECT_GT(rocks_first, 5);
  EXPECT_GT(rocks_second, 5);
}

// A start alone on an islet, where all the room beyond its block is coast, and a path one
// vertex wide (meadow triangles on one side of it only) out to a second islet: the rocks go
// on the coasts, and none parts the walkable ground, on the path least of all.
TEST(FairStarts, TheBalancePutsRocksOnAnIsletsCoastWithoutCuttingIt) {
  test::RecordingHost host;
  auto g = std::make_unique<Generator>(host);
  g->run.MapWidth = g->run.MapHeight = kSide;
  SwdMap map = IslandMap(36, 36, 24);
  for (int y = 12; y <= 20; ++y) {
    for (int x = 12; x <= 20; ++x)
      SetTrianglesAround(map, x, y, test::kMeadow);
  }
  for (int x = 21; x <= 29; ++x)
    map.At(TerrainLayerB, x, 16) = test::kMeadow;
  for (int y = 14; y <= 18; ++y) {
    for (int x = 31; x <= 34; ++x)
      SetTrianglesAround(map, x, y, test::kMeadow);
  }
  StoreInGrid(*g, map);
  g->rng.Seed(3);
  BalanceWoodAndStone(*g, map, ReadStartGround(map), {{16, 16}, {48, 48}});
  const SwdMap balanced = MapOfGrid(*g);
  const WalkGraph walk =
      BuildWalkGraph(FactsOfVertices(balanced), kSide, kSide, WalkRule::GameStart);
  const WalkParts parts = SplitIntoParts(walk);
  const int islet = parts.part[VertexIndex(kSide, 16, 16)];
  int rocks = 0;
  for (int y = 10; y <= 22; ++y) {
    for (int x = 10; x <= 36; ++x) {
      const std::size_t i = VertexIndex(kSide, x, y);
      rocks += KindOfObject(balanced.At(ObjectTypeLayer, x, y)) == ObjectKind::Granite ? 1 : 0;
      if (walk.enterable[i] != 0) {
        EXPECT_EQ(parts.part[i], islet) << x << "," << y;
      }
    }
  }
  EXPECT_GE(rocks, 6);
}

// A block cleared of a solid decoration, a rock and a tree: read again, the block's facts
// and the walk over the land are what reading the whole map anew gives, the decoration's
// vertex open to the walk.
TEST(FairStarts, TheBlocksReadAgainAreTheMapAsItStands) {
  SwdMap map = FlatMap(kSide, kSide);
  PutObject(map, 10, 10, 0xC8, 0x0B);
  PutObject(map, 11, 10, 0xCC, 4);
  PutObject(map, 9, 11, 0xC4, 50);
  StartGround ground = ReadStartGround(map);
  ASSERT_EQ(ground.land.enterable[VertexIndex(kSide, 10, 10)], 0);
  ForEachInBlock(kSide, kSide, {10, 10}, [&](VertexPos v) { PutObject(map, v.x, v.y, 0, 0); });
  ReadBlocksAgain(ground, map, {{10, 10}});
  const StartGround fresh = ReadStartGround(map);
  EXPECT_EQ(ground.land.enterable, fresh.land.enterable);
  for (std::size_t i = 0; i < fresh.facts.size(); ++i) {
    EXPECT_EQ(ground.facts[i].solid, fresh.facts[i].solid) << i;
    EXPECT_EQ(ground.facts[i].tree, fresh.facts[i].tree) << i;
    EXPECT_EQ(ground.facts[i].granite, fresh.facts[i].granite) << i;
    EXPECT_EQ(ground.facts[i].blocks_walking, fresh.facts[i].blocks_walking) << i;
  }
}

// On generated maps of every shape: never fewer players than the random placement and no
// less fair with as many, every start a large site that can reach its rivals, and the index
// before the choice reported.
TEST(FairStarts, OnGeneratedMapsOfEveryShape) {
  for (const LandShape shape : {LandShape::Island, LandShape::IslandSymmetric, LandShape::Spiral,
                                LandShape::Ring, LandShape::SpiralWithRing}) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
      const std::string what =
          "shape " + std::to_string(static_cast<int>(shape)) + " seed " + std::to_string(seed);
      RunOutcome plain, fair;
      GeneratorSettings settings = test::ShapedSettings(shape, 4, 96);
      test::GeneratedMap(settings, seed, &plain);
      settings.fair_starts = true;
      const SwdMap map = test::GeneratedMap(settings, seed, &fair);
      EXPECT_GE(fair.players_placed, plain.players_placed) << what;
      EXPECT_EQ(fair.fairness_before.has_value(), plain.players_placed >= 2) << what;
      const MapAnalysis a = AnalyzeMap(map, kDefaultRadius);
      // With as many starts as the random placement, the chosen ones are about as fair or
      // fairer: among about equally fair choices a stronger weakest start may cost a little.
      if (fair.players_placed == plain.players_placed && fair.fairness_before) {
        ASSERT_TRUE(a.fairness) << what;
        EXPECT_GE(a.fairness->index, *fair.fairness_before - 0.01) << what;
      }
      for (const StartReport& s : a.starts) {
        EXPECT_EQ(RateSite(map, s.start.at.x, s.start.at.y), SiteSize::Large) << what;
        EXPECT_NE(s.reach, Reach::None) << what << " player " << s.start.player;
        // Wood and stone a start needs: only the ring's islets lack the room.
        if (shape == LandShape::Ring) continue;
        EXPECT_GE(s.figures[fig::Trees], kFigures[fig::Trees].level) << what;
        EXPECT_GE(s.figures[fig::Granite], kFigures[fig::Granite].level) << what;
      }
    }
  }
}

// Rings of land where the best places alone, taken one after the other, leave gaps too
// narrow for a start: seven starts still fit when packed.
TEST(FairStarts, SevenStartsFitOnARingWhereTheBestPlacesAloneLeaveGaps) {
  for (const std::uint32_t seed : {36u, 39u}) {
    RunOutcome fair;
    GeneratorSettings settings = test::ShapedSettings(LandShape::Ring, 7, 128);
    settings.fair_starts = true;
    test::GeneratedMap(settings, seed, &fair);
    EXPECT_EQ(fair.players_placed, 7) << seed;
  }
}

// Spirals whose starts the sea parts, so that harbour places are marked in their areas:
// preparing a place clears the objects round it, and none of the wood or stone the balance
// gave a start may go that way.
TEST(FairStarts, TheHarbourPlacesTakeNoneOfTheBalancesWoodAndStone) {
  for (const std::uint32_t seed : {1u, 15u}) {
    RunOutcome fair;
    GeneratorSettings settings = test::ShapedSettings(LandShape::Spiral, 4, 128);
    settings.fair_starts = true;
    const SwdMap map = test::GeneratedMap(settings, seed, &fair);
    for (const StartReport& s : AnalyzeMap(map, kDefaultRadius).starts) {
      EXPECT_GE(s.figures[fig::Trees], kFigures[fig::Trees].level) << seed;
      EXPECT_GE(s.figures[fig::Granite], kFigures[fig::Granite].level) << seed;
    }
  }
}

}  // namespace
}  // namespace swd
