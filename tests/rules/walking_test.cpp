// The game's rules for people on foot, each on a hand-made map, and the walk's verdicts on
// generated spiral maps against a second, plain reading of the same rules.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/map_analysis.hpp"
#include "analysis/map_maker.hpp"
#include "mapfile/object_codes.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/walking.hpp"
#include "run/run.hpp"
#include "support/generated_map.hpp"

namespace swd {
namespace {

using test::FlatMap;
using test::PutObject;

constexpr int kSide = 32;
constexpr int kTree = 0xC5, kGranite = 0xCC, kSwamp = 3, kSnow = 2;

WalkGraph Graph(const SwdMap& map, WalkRule rule) {
  return BuildWalkGraph(FactsOfVertices(map), map.Width(), map.Height(), rule);
}

// Steps from (5, 5) to (15, 5) under `rule`, or -1.
int Across(const SwdMap& map, WalkRule rule = WalkRule::GameStart) {
  std::vector<std::uint8_t> goal(static_cast<std::size_t>(kSide) * kSide, 0);
  goal[15 + kSide * 5] = 1;
  return StepsToNearest(Graph(map, rule), {5, 5}, goal).value_or(-1);
}

// Puts `change` down columns 0 and 1 and columns 10 and 11, so that the map, which wraps,
// is cut in two.
template <class Change>
SwdMap TwoBands(Change change) {
  SwdMap map = FlatMap(kSide, kSide);
  for (const int x : {0, 1, 10, 11}) {
    for (int y = 0; y < kSide; ++y)
      change(map, x, y);
  }
  return map;
}

TEST(Walking, TreesDoNotPartTheLandGraniteDoesUntilQuarried) {
  const SwdMap trees = TwoBands([](SwdMap& m, int x, int y) { PutObject(m, x, y, kTree, 0); });
  EXPECT_EQ(Across(trees), 10);
  EXPECT_EQ(Graph(trees, WalkRule::GameStart).enterable[10 + kSide * 5], 1);

  const SwdMap rocks = TwoBands([](SwdMap& m, int x, int y) { PutObject(m, x, y, kGranite, 4); });
  EXPECT_EQ(Across(rocks), -1);
  EXPECT_EQ(Across(rocks, WalkRule::OverLand), 10);
}

TEST(Walking, ABandOfSwampPartsTheLandThoughItsVerticesCanBeEntered) {
  const SwdMap swamp = TwoBands([](SwdMap& m, int x, int y) {
    m.At(TerrainLayerA, x, y) = kSwamp;
    m.At(TerrainLayerB, x, y) = kSwamp;
  });
  const WalkGraph graph = Graph(swamp, WalkRule::OverLand);
  EXPECT_EQ(graph.enterable[11 + kSide * 5], 1);  // meadow at its north-east corner
  EXPECT_EQ(Across(swamp, WalkRule::OverLand), -1);
  const WalkParts parts = SplitIntoParts(graph);
  EXPECT_EQ(parts.count, 2);
  EXPECT_NE(parts.part[5 + kSide * 5], parts.part[15 + kSide * 5]);
}

TEST(Walking, ASnowTriangleKeepsEveryoneFromItsCornersAndItsEdges) {
  SwdMap map = FlatMap(kSide, kSide);
  map.At(TerrainLayerB, 5, 5) = kSnow;  // between (5, 5), its east (6, 5) and south-east (6, 6)
  const WalkGraph graph = Graph(map, WalkRule::GameStart);
  EXPECT_EQ(graph.enterable[6 + kSide * 5], 0);
  EXPECT_EQ(graph.enterable[6 + kSide * 6], 0);
  EXPECT_FALSE(graph.CanStep(5 + kSide * 5, DirectionBit(Direction::E)));
  EXPECT_TRUE(graph.CanStep(5 + kSide * 5, DirectionBit(Direction::NE)));
  // A goal is entered though its vertex could not be, but not across the snow: round by
  // the north-east, two steps.
  std::vector<std::uint8_t> goal(static_cast<std::size_t>(kSide) * kSide, 0);
  goal[6 + kSide * 5] = 1;
  EXPECT_EQ(StepsToNearest(graph, {5, 5}, goal), 2);
}

// The rules read as the game states them, one vertex and one step at a time, with nothing
// kept between calls.
class PlainRules {
 public:
  PlainRules(const SwdMap& map, WalkRule rule) : map_(map), rule_(rule) {}

  int Triangle(int layer, int x, int y) const {
    return map_.At(layer, Wrap(x, map_.Width()), Wrap(y, map_.Height())) & 0x3F;
  }
  static bool Hot(int code) {
    return code == 2 || code == 16 || code == 17 || code == 20 || code == 21 || code == 22;
  }
  static bool Walkable(int code) {
    return code == 0 || code == 1 || code == 4 || code == 6 || code == 7 ||
           (code >= 8 && code <= 15) || code == 18 || code == 34;
  }
  // The neighbour of (x, y) towards W, NW, NE, E, SE, SW.
  std::pair<int, int> Towards(int x, int y, int d) const {
    const int odd = y % 2;
    constexpr int kDx[2][6] = {{-1, -1, 0, 1, 0, -1}, {-1, 0, 1, 1, 1, 0}};
    constexpr int kDy[6] = {0, -1, -1, 0, 1, 1};
    return {Wrap(x + kDx[odd][d], map_.Width()), Wrap(y + kDy[d], map_.Height())};
  }
  bool CanEnter(int x, int y) const {
    const auto [wx, wy] = Towards(x, y, 0);
    const auto [nwx, nwy] = Towards(x, y, 1);
    const auto [nex, ney] = Towards(x, y, 2);
    const int six[6] = {Triangle(TerrainLayerA, nwx, nwy), Triangle(TerrainLayerB, nwx, nwy),
                        Triangle(TerrainLayerA, nex, ney), Triangle(TerrainLayerB, x, y),
                        Triangle(TerrainLayerA, x, y),     Triangle(TerrainLayerB, wx, wy)};
    bool walk = false;
    for (const int c : six) {
      if (Hot(c)) return false;
      walk = walk || Walkable(c);
    }
    const int type = map_.At(ObjectTypeLayer, x, y);
    const int index = map_.At(ObjectIndexLayer, x, y);
    const bool granite = type == 0xCC || type == 0xCD;
    const bool solid_decoration =
        (type == 0xC8 || type == 0xC9) &&
        (index == 0x0B || (index >= 0x15 && index <= 0x21) || (index >= 0x2C && index <= 0x35));
    if (solid_decoration || (granite && rule_ == WalkRule::GameStart)) return false;
    return walk;
  }
  // The step from (x, y) towards d, by the two triangles beside it.
  bool CanStep(int x, int y, int d) const {
    const auto [wx, wy] = Towards(x, y, 0);
    const auto [nwx, nwy] = Towards(x, y, 1);
    const auto [nex, ney] = Towards(x, y, 2);
    int a = 0, b = 0;
    switch (d) {
      case 0:
        a = Triangle(TerrainLayerB, wx, wy), b = Triangle(TerrainLayerA, nwx, nwy);
        break;
      case 1:
        a = Triangle(TerrainLayerA, nwx, nwy), b = Triangle(TerrainLayerB, nwx, nwy);
        break;
      case 2:
        a = Triangle(TerrainLayerB, nwx, nwy), b = Triangle(TerrainLayerA, nex, ney);
        break;
      case 3:
        a = Triangle(TerrainLayerA, nex, ney), b = Triangle(TerrainLayerB, x, y);
        break;
      case 4:
        a = Triangle(TerrainLayerB, x, y), b = Triangle(TerrainLayerA, x, y);
        break;
      default:
        a = Triangle(TerrainLayerA, x, y), b = Triangle(TerrainLayerB, wx, wy);
        break;
    }
    return !Hot(a) && !Hot(b) && (Walkable(a) || Walkable(b));
  }
  // Whether a walk from `from` gets to `to`, both exempt from the vertex rule.
  bool Connects(VertexPos from, VertexPos to) const {
    const int w = map_.Width();
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(w) * map_.Height(), 0);
    std::vector<VertexPos> todo{from};
    seen[from.x + w * from.y] = 1;
    while (!todo.empty()) {
      const VertexPos v = todo.back();
      todo.pop_back();
      for (int d = 0; d < 6; ++d) {
        const auto [nx, ny] = Towards(v.x, v.y, d);
        if (!CanStep(v.x, v.y, d) || seen[nx + w * ny] != 0) continue;
        if (nx == to.x && ny == to.y) return true;
        if (!CanEnter(nx, ny)) continue;
        seen[nx + w * ny] = 1;
        todo.push_back({nx, ny});
      }
    }
    return false;
  }

 private:
  static int Wrap(int c, int size) { return (c % size + size) % size; }
  const SwdMap& map_;
  WalkRule rule_;
};

SwdMap SpiralMap(std::uint32_t seed) {
  GeneratorSettings s = test::ShapedSettings(LandShape::Spiral, 4);
  s.harbours = false;
  return test::GeneratedMap(s, seed);
}

TEST(Walking, TheWalksVerdictsAreThoseOfAPlainReadingOfTheRules) {
  int parted = 0;
  for (std::uint32_t seed = 1000; seed < 1040; ++seed) {
    const SwdMap map = SpiralMap(seed);
    const MapAnalysis a = AnalyzeMap(map, kDefaultRadius);
    const PlainRules on_foot(map, WalkRule::GameStart);
    const PlainRules over_land(map, WalkRule::OverLand);
    for (const StartReport& s : a.starts) {
      bool walks = false;
      bool clears = false;
      for (const StartReport& r : a.starts) {
        if (r.start.player == s.start.player) continue;
        walks = walks || on_foot.Connects(s.start.at, r.start.at);
        clears = clears || over_land.Connects(s.start.at, r.start.at);
      }
      const Reach expected = walks ? Reach::Walk : clears ? Reach::AfterClearing : Reach::None;
      EXPECT_EQ(s.reach, expected) << "seed " << seed << " player " << s.start.player;
      parted += expected == Reach::Walk ? 0 : 1;
    }
  }
  EXPECT_GT(parted, 0);  // the maps hold parted starts, or the comparison would prove little
}

}  // namespace
}  // namespace swd
