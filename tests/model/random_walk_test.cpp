#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "model/random_walk.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using Cells = std::vector<std::pair<int, int>>;

// Water everywhere but the meadow cells given; a walker enters meadow only and floods it.
std::unique_ptr<Generator> Pocket(test::RecordingHost& host, const Cells& meadow) {
  auto g = std::make_unique<Generator>(host);
  g->run.MapWidth = g->run.MapHeight = 32;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      g->grid(x, y, TerrainLayerA) = Water;
  for (const auto& [x, y] : meadow)
    g->grid(x, y, TerrainLayerA) = OpenLand;
  return g;
}

// Every step drawn and tried, as the walk is defined.
Cells StepByStep(Generator& g, int x, int y, int last, WalkEdge edge) {
  Cells visited;
  for (int j = 0; j <= last; ++j) {
    const int d = RandomInt(g, 0, 8);
    int nx = x + RingOffsetX[d];
    int ny = y + RingOffsetY[d];
    if (edge == WalkEdge::Wrap) {
      nx = WrapIndex(nx, 32);
      ny = WrapIndex(ny, 32);
    } else {
      ClampToInterior(nx, 32);
      ClampToInterior(ny, 32);
    }
    if (g.grid(nx, ny, TerrainLayerA) != OpenLand) continue;
    x = nx;
    y = ny;
    g.grid(x, y, TerrainLayerA) = Water;
    visited.emplace_back(x, y);
  }
  return visited;
}

// A walker that has flooded its pocket may enter none of its cells again; its remaining
// draws are skipped at once, and the random source must end where stepping through them
// would have left it: the same cells, the same draw count, the same next draw. Over the
// map's edge, held inside, and with the skip crossing several refills of the engine.
TEST(RandomWalk, AWalledInWalkerEndsWhereEveryStepWouldHaveLeftIt) {
  struct Case {
    Cells meadow;
    int x, y, last;
    WalkEdge edge;
  };
  const Case cases[] = {
      {{{10, 10}, {11, 10}, {11, 11}, {12, 12}}, 10, 10, 300, WalkEdge::Wrap},
      {{{0, 0}, {31, 31}, {31, 0}, {0, 1}}, 0, 0, 5000, WalkEdge::Wrap},
      {{{5, 5}, {5, 6}, {6, 5}}, 5, 5, 2000, WalkEdge::KeepInside},
      {{}, 20, 20, 7, WalkEdge::Wrap},
      // Only the walker's own cell may be entered, until it is.
      {{{20, 20}}, 20, 20, 500, WalkEdge::Wrap},
      {{{3, 20}}, 3, 20, 500, WalkEdge::Wrap},
  };
  for (const Case& c : cases) {
    test::RecordingHost host;
    auto walked = Pocket(host, c.meadow);
    auto stepped = Pocket(host, c.meadow);
    walked->rng.Seed(9);
    stepped->rng.Seed(9);
    Cells visited;
    RandomWalk(
        *walked, c.x, c.y, c.last, c.edge,
        [&](int x, int y) { return walked->grid(x, y, TerrainLayerA) == OpenLand; },
        [&](int x, int y) {
          walked->grid(x, y, TerrainLayerA) = Water;
          visited.emplace_back(x, y);
        });
    EXPECT_EQ(visited, StepByStep(*stepped, c.x, c.y, c.last, c.edge)) << c.last;
    EXPECT_EQ(walked->rng.Draws(), static_cast<std::uint64_t>(c.last + 1));
    EXPECT_EQ(walked->rng.NextBits(), stepped->rng.NextBits()) << c.last;
  }
}

}  // namespace
}  // namespace swd
