// Reading a finished map back as the commands that look at maps do, and the lattice they
// walk on.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "mapfile/lattice.hpp"
#include "mapfile/swd_map.hpp"
#include "run/run.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::ReadFile;
using test::RecordingHost;
using test::TempDir;

TEST(SwdMap, AMapReadBackHoldsTheGridsLayersAndEncodesToTheSameBytes) {
  TempDir dir;
  RecordingHost host(dir.path(), "back");
  auto g = std::make_unique<Generator>(host);
  g->settings.MapWidth = 48;
  g->settings.MapHeight = 32;
  PrepareGeneration(*g);
  g->rng.Seed(4);
  ASSERT_EQ(RunGeneration(*g).status, RunOutcome::Status::Written);

  const auto bytes = ReadFile(dir.path() / "back.swd");
  const SwdMapRead read = ReadSwdMap(bytes);
  ASSERT_TRUE(read.map) << read.problem;
  const SwdMap& map = *read.map;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    for (const auto& [x, y] : {std::pair{0, 0}, {47, 0}, {0, 31}, {47, 31}, {20, 13}})
      EXPECT_EQ(map.At(layer, x, y), g->grid(x, y, layer)) << layer << " " << x << "," << y;
  }
  EXPECT_EQ(EncodeSwdMap(map), bytes);

  auto damaged = bytes;
  damaged.pop_back();
  EXPECT_FALSE(ReadSwdMap(damaged).map);
}

TEST(SwdMap, UnknownTerrainIsCountedAndTheFirstOneNamed) {
  SwdMap map;
  map.header.width = 32;
  map.header.height = 32;
  for (auto& layer : map.layers)
    layer.assign(32 * 32, 8);  // meadow everywhere
  EXPECT_EQ(FindUnknownTerrain(map).triangles, 0);
  map.At(TerrainLayerB, 5, 7) = 40;
  map.At(TerrainLayerA, 1, 9) = 17;
  map.At(TerrainLayerA, 2, 9) = 0x40 | 14;  // the upper bits do not make a code unknown
  const UnknownTerrain u = FindUnknownTerrain(map);
  EXPECT_EQ(u.triangles, 2);
  EXPECT_EQ(u.first_code, 40);
  EXPECT_EQ(u.first_x, 5);
  EXPECT_EQ(u.first_y, 7);
}

// Every triangle touches exactly three vertices: the first triangle of (x, y) the vertex and
// its south-west and south-east neighbours, the second the vertex, its east and south-east
// neighbours; across the map edges too.
TEST(Lattice, TheSixTrianglesOfEveryVertexAreTheTrianglesItIsACornerOf) {
  constexpr int w = 32, h = 16;
  std::map<std::tuple<int, int, int>, std::set<std::pair<int, int>>> corners;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      for (const TouchingTriangle& t : TrianglesAround(y)) {
        const int tx = (x + t.dx + w) % w, ty = (y + t.dy + h) % h;
        corners[{t.layer, tx, ty}].insert({x, y});
      }
    }
  }
  ASSERT_EQ(corners.size(), std::size_t{2 * w * h});
  for (const auto& [triangle, vertices] : corners) {
    const auto [layer, x, y] = triangle;
    const Direction second = layer == TerrainLayerA ? Direction::SW : Direction::E;
    const std::set<std::pair<int, int>> expected{
        {x, y}, LatticeNeighbour(x, y, second, w, h), LatticeNeighbour(x, y, Direction::SE, w, h)};
    EXPECT_EQ(vertices, expected) << layer << " " << x << "," << y;
  }
}

TEST(Lattice, NeighboursWrapAndShiftWithTheRow) {
  constexpr int w = 32, h = 32;
  EXPECT_EQ(LatticeNeighbour(0, 0, Direction::NW, w, h), (std::pair{31, 31}));
  EXPECT_EQ(LatticeNeighbour(0, 0, Direction::NE, w, h), (std::pair{0, 31}));
  EXPECT_EQ(LatticeNeighbour(31, 1, Direction::NE, w, h), (std::pair{0, 0}));
  EXPECT_EQ(LatticeNeighbour(31, 31, Direction::SE, w, h), (std::pair{0, 0}));
  EXPECT_EQ(LatticeNeighbour(4, 2, Direction::SW, w, h), (std::pair{3, 3}));
  EXPECT_EQ(LatticeNeighbour(4, 3, Direction::SW, w, h), (std::pair{4, 4}));
  // Going there and back again lands on the vertex itself.
  const std::pair<Direction, Direction> back[] = {
      {Direction::W, Direction::E}, {Direction::NW, Direction::SE}, {Direction::NE, Direction::SW}};
  for (int y = 0; y < h; ++y) {
    for (const auto& [there, again] : back) {
      const auto [nx, ny] = LatticeNeighbour(0, y, there, w, h);
      EXPECT_EQ(LatticeNeighbour(nx, ny, again, w, h), (std::pair{0, y}));
    }
  }
}

}  // namespace
}  // namespace swd
