#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "model/neighbour_counts.hpp"
#include "model/primitives.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

int Reference(const Generator& g, int x, int y, int c) {
  int n = 0;
  for (int i = kRing1.first; i <= kRing1.last; ++i) {
    n += g.grid((x + RingOffsetX[i] + 48) % 48, (y + RingOffsetY[i] + 32) % 32, TerrainLayerA) == c;
  }
  return n;
}

// The counts as made, and after changes in the middle, at the edges and in the spare column
// and row outside the map, must be what counting the eight wrapped neighbours gives.
TEST(NeighbourCounts, CountTheWrappedNeighboursAndStayInStepWithChanges) {
  test::RecordingHost host;
  auto g = std::make_unique<Generator>(host);
  g->run.MapWidth = 48;
  g->run.MapHeight = 32;
  std::mt19937 random(4);
  for (int y = 0; y <= 32; ++y)
    for (int x = 0; x <= 48; ++x)
      g->grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(random() % 3);
  NeighbourCounts counts(*g, 1);
  const auto expect_all = [&](const char* when) {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 48; ++x)
        ASSERT_EQ(counts.At(x, y), Reference(*g, x, y, 1)) << when << " " << x << "," << y;
  };
  expect_all("made");
  for (int i = 0; i < 500; ++i) {
    // One change in four lies on an edge of the map or just outside it.
    int x = static_cast<int>(random() % 49);
    int y = static_cast<int>(random() % 33);
    if (i % 4 == 0) x = i % 8 == 0 ? 0 : 47;
    const int before = g->grid(x, y, TerrainLayerA);
    const int now = static_cast<int>(random() % 3);
    g->grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(now);
    counts.Changed(x, y, before, now);
  }
  expect_all("changed");
}

}  // namespace
}  // namespace swd
