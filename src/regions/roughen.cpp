#include <algorithm>
#include <array>
#include <vector>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "regions/mountain_runs.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

constexpr int kMountain = 7;
constexpr int kSnowAbove = 38;

struct Direction {
  int dx, dy;
};
// East, west, south, north, south-east, north-east, south-west, north-west.
constexpr std::array<Direction, 8> kDirections{
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};

}  // namespace

void RoughenMountains(Generator& g) {
  BeginStep(g, "Mache Berge gebirgig");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  // A line that is mountain all the way round would never end; its runs stop after as many
  // cells as the longer side has.
  const int cap = std::max(w, h);
  std::vector<std::vector<std::int16_t>> runs;
  for (const Direction& d : kDirections)
    runs.push_back(MountainRunLengths(g, d.dx, d.dy, cap));

  // Depth of each mountain cell, row 0 left out; the column and row beyond the map have none.
  std::vector<int> depth(kPlaneSize, 0);
  for (int x = 0; x < w; ++x) {
    for (int y = 1; y < h; ++y) {
      if (g.grid(x, y, TerrainLayerA) != kMountain) continue;
      int smallest = 1000;
      for (const auto& run : runs)
        smallest = std::min<int>(smallest, run[static_cast<std::size_t>(x) + std::size_t(w) * y]);
      depth[static_cast<std::size_t>(x) + kGridSide * y] = smallest;
    }
    ReportProgress(g, Percent(x, w));
  }
  g.host->ShowProgress(false);

  g.host->SetStatus(g.run.LandscapeType == Oedland ? "Schaffe Lavaflächen"
                                                   : "Schaffe Schneeflächen");
  g.host->ShowProgress(true);
  const int top_class = g.run.LandscapeType == Winterland ? 9 : 8;
  for (int x = 0; x <= w; ++x) {
    for (int y = 0; y <= h; ++y) {
      if (g.grid(x, y, TerrainLayerA) != kMountain) continue;
      const int height = g.tables.ClassBaseHeight[kMountain] +
                         2 * depth[static_cast<std::size_t>(x) + kGridSide * y];
      g.grid(x, y, HeightLayer) = ClampByte(height);
      if (height <= kSnowAbove) continue;
      g.grid(x, y, TerrainLayerA) = g.grid(x, y, TerrainLayerB) =
          static_cast<std::uint8_t>(top_class);
      g.grid(x, y, PropertyLayer) = 104;
      g.grid(x, y, ResourceLayer) = 0;  // veins laid on the peaks go
      g.preview.Set(x, y, g.tables.ClassPreviewColour[8]);
    }
    ReportProgress(g, Percent(x, w));
  }
  EndStep(g);
}

}  // namespace swd
