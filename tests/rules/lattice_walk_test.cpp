// The walk over the vertex lattice on hand-made maps: round the map's edges, stopped by
// terrain and by blocking objects, and shared where two starts arrive at once.
#include <gtest/gtest.h>

#include "analysis/map_analysis.hpp"
#include "analysis/map_maker.hpp"
#include "mapfile/object_codes.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/vertex_facts.hpp"
#include "rules/walking.hpp"

namespace swd {
namespace {

using test::FlatMap;
using test::PutObject;

constexpr int kSide = 32;

WalkGraph OnFoot(const SwdMap& map) {
  return BuildWalkGraph(FactsOfVertices(map), map.Width(), map.Height(), WalkRule::GameStart);
}

LatticeWalk Walk(const SwdMap& map, std::vector<VertexPos> starts, int limit = kNoStepLimit) {
  return WalkLattice(OnFoot(map), starts, limit);
}

int At(const std::vector<int>& v, int x, int y) {
  return v[static_cast<std::size_t>(x) + kSide * y];
}

TEST(LatticeWalk, WrapsRoundEveryEdge) {
  const SwdMap map = FlatMap(kSide, kSide);
  const LatticeWalk corner = Walk(map, {{0, 0}});
  EXPECT_EQ(At(corner.distance, 31, 0), 1);   // west across the edge
  EXPECT_EQ(At(corner.distance, 0, 31), 1);   // north-east across the edge (row 0 is even)
  EXPECT_EQ(At(corner.distance, 31, 31), 1);  // north-west
  EXPECT_EQ(At(corner.distance, 16, 0), 16);  // the farthest in its row, either way round
  EXPECT_EQ(At(corner.distance, 1, 2), 2);    // SE twice: (0, 1), then (1, 2) from an odd row
  EXPECT_EQ(At(corner.distance, 2, 2), 3);
}

TEST(LatticeWalk, TerrainAndSolidObjectsStopItButWhatIsNextToIt) {
  const auto through = [](const SwdMap& map) { return At(Walk(map, {{5, 5}}).distance, 15, 5); };
  SwdMap open = FlatMap(kSide, kSide);
  EXPECT_EQ(through(open), 10);

  // A wall of granite down column 10 makes the walk go the other way round the map.
  SwdMap rocks = open;
  for (int y = 0; y < kSide; ++y)
    PutObject(rocks, 10, y, 0xCC, 4);
  EXPECT_EQ(through(rocks), 22);
  EXPECT_EQ(At(Walk(rocks, {{5, 5}}).distance, 10, 5), 5);  // reached, not walked over

  // Decorations a walker steps over do not.
  SwdMap flowers = open;
  for (int y = 0; y < kSide; ++y)
    PutObject(flowers, 10, y, 0xC8, 0x01);
  EXPECT_EQ(through(flowers), 10);

  // A column of vertices with one meadow triangle each in a band of water: each vertex can
  // be entered, but no step across the band has land beside it.
  SwdMap shore = open;
  SwdMap sea = open;
  for (int y = 0; y < kSide; ++y) {
    test::SetTrianglesAround(shore, 10, y, test::kWater);
    shore.At(TerrainLayerB, 10, y) = test::kMeadow;
    test::SetTrianglesAround(sea, 10, y, test::kWater);
  }
  EXPECT_EQ(through(shore), 22);
  EXPECT_EQ(through(sea), 22);

  // Closed in on both sides, the other side cannot be reached at all.
  for (int y = 0; y < kSide; ++y)
    PutObject(rocks, 0, y, 0xCC, 4);
  EXPECT_EQ(through(rocks), -1);
}

TEST(LatticeWalk, TwoStartsShareWhatTheyReachAtTheSameDistance) {
  SwdMap map = FlatMap(kSide, kSide);
  const LatticeWalk walk = Walk(map, {{5, 5}, {9, 5}}, 3);
  const auto owners = [&](int x, int y) { return walk.owners[x + kSide * y]; };
  EXPECT_EQ(owners(6, 5), 0b01);
  EXPECT_EQ(owners(7, 5), 0b11);  // two steps from either
  EXPECT_EQ(owners(8, 5), 0b10);
  EXPECT_EQ(owners(7, 3), 0b11);  // three steps from either, two rows up
  EXPECT_EQ(owners(7, 4), 0b01);  // two steps from the first, three from the second
  EXPECT_EQ(owners(1, 5), 0);     // four steps: beyond the limit
  EXPECT_EQ(At(walk.distance, 2, 5), 3);
  EXPECT_EQ(At(walk.distance, 1, 5), -1);

  // In the analysis each of the two counts half of a shared vertex and of what lies on it.
  PutObject(map, 5, 5, kStartPositionObject, 0);
  PutObject(map, 9, 5, kStartPositionObject, 1);
  PutObject(map, 7, 5, 0xC4, 0);  // a tree where they meet, which nobody has to go round
  const MapAnalysis a = AnalyzeMap(map, 3);
  ASSERT_EQ(a.starts.size(), 2u);
  EXPECT_TRUE(a.starts_from_objects);
  EXPECT_DOUBLE_EQ(a.starts[0].figures[fig::Trees], 0.5);
  EXPECT_DOUBLE_EQ(a.starts[1].figures[fig::Trees], 0.5);
  EXPECT_DOUBLE_EQ(a.starts[0].area, a.starts[1].area);
  int reached = 0;
  for (const int d : Walk(map, {{5, 5}, {9, 5}}, 3).distance)
    reached += d >= 0 ? 1 : 0;
  EXPECT_DOUBLE_EQ(a.starts[0].area + a.starts[1].area, reached);
  EXPECT_EQ(a.starts[0].nearest_rival, 4);
}

// The walk to the nearest rival ends early; what it finds is what the whole walk finds.
TEST(LatticeWalk, TheNearestTargetIsTheNearestOfTheWholeWalk) {
  SwdMap map = FlatMap(kSide, kSide);
  for (int y = 0; y < kSide; ++y)
    PutObject(map, 10, y, 0xCC, 4);
  const WalkGraph graph = OnFoot(map);
  std::vector<std::uint8_t> targets(graph.enterable.size(), 0);
  const auto steps = [&] { return StepsToNearest(graph, {5, 5}, targets); };
  EXPECT_EQ(steps(), std::nullopt);
  const LatticeWalk whole = Walk(map, {{5, 5}});
  targets[15 + kSide * 5] = 1;  // round the map: 22 steps
  targets[20 + kSide * 20] = 1;
  EXPECT_EQ(steps(), std::min(At(whole.distance, 15, 5), At(whole.distance, 20, 20)));
  targets[10 + kSide * 9] = 1;  // a goal in the wall: entered, though nobody could pass it
  EXPECT_EQ(steps(), At(whole.distance, 10, 9));
  targets[5 + kSide * 5] = 1;
  EXPECT_EQ(steps(), 0);
  // Walled in on both sides, a target beyond the walls is never reached.
  for (int y = 0; y < kSide; ++y)
    PutObject(map, 0, y, 0xCC, 4);
  std::fill(targets.begin(), targets.end(), 0);
  targets[15 + kSide * 5] = 1;
  EXPECT_EQ(StepsToNearest(OnFoot(map), {5, 5}, targets), std::nullopt);
}

}  // namespace
}  // namespace swd
