#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <utility>

#include "model/neighbour_counts.hpp"
#include "model/primitives.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

int Reference(const Generator& g, int x, int y, int c) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  int n = 0;
  for (int i = kRing1.first; i <= kRing1.last; ++i) {
    n += g.grid((x + RingOffsetX[i] + w) % w, (y + RingOffsetY[i] + h) % h, TerrainLayerA) == c;
  }
  return n;
}

// The counts as made, and after changes in the middle, at the edges and in the spare column
// and row outside the map, must be what counting the eight wrapped neighbours gives; also
// for a width that is no multiple of the eight cells counted at once.
TEST(NeighbourCounts, CountTheWrappedNeighboursAndStayInStepWithChanges) {
  for (const auto& [w, h] : {std::pair{48, 32}, std::pair{45, 19}}) {
    test::RecordingHost host;
    auto g = std::make_unique<Generator>(host);
    g->run.MapWidth = static_cast<std::int16_t>(w);
    g->run.MapHeight = static_cast<std::int16_t>(h);
    std::mt19937 random(4);
    for (int y = 0; y < kGridSide; ++y)
      for (int x = 0; x < kGridSide; ++x)
        g->grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(random() % 3);
    NeighbourCounts counts(*g, 1);
    const auto expect_all = [&](const char* when) {
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          ASSERT_EQ(counts.At(x, y), Reference(*g, x, y, 1)) << when << " " << x << "," << y;
    };
    expect_all("made");
    for (int i = 0; i < 500; ++i) {
      // One change in four lies on an edge of the map or just outside it.
      int x = static_cast<int>(random() % (w + 1));
      const int y = static_cast<int>(random() % (h + 1));
      if (i % 4 == 0) x = i % 8 == 0 ? 0 : w - 1;
      const int before = g->grid(x, y, TerrainLayerA);
      const int now = static_cast<int>(random() % 3);
      g->grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(now);
      counts.Changed(x, y, before, now);
    }
    expect_all("changed");
  }
}

}  // namespace
}  // namespace swd
