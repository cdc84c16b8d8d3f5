#include <algorithm>
#include <array>
#include <vector>

#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "regions/mountain_runs.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

constexpr int kSnowAbove = 38;

struct Direction {
  int dx, dy;
};
// East, west, south, north, south-east, north-east, south-west, north-west.
constexpr std::array<Direction, 8> kDirections{
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};

}  // namespace

void RoughenMountains(Generator& g) {
  BeginStep(g, MessageKey::StatusRoughenMountains);
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
  Sweep(g, Columns(MapColumns(g), {1, h - 1}), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != Mountain) return;
    int smallest = 1000;
    for (const auto& run : runs)
      smallest = std::min<int>(smallest, run[static_cast<std::size_t>(x) + std::size_t(w) * y]);
    depth[static_cast<std::size_t>(x) + kGridSide * y] = smallest;
  });
  ShowBar(g, false);

  ShowStatus(g, g.run.LandscapeType == Oedland ? MessageKey::StatusCreateLavaFields
                                               : MessageKey::StatusCreateSnowFields);
  ShowBar(g, true);
  // The peaks: snow, lava in Ödland, and in Winterland class 9, its snow; the preview shows
  // them all in class 8's colour.
  const int top_class = g.run.LandscapeType == Winterland ? MountainMeadow : Snow;
  Sweep(g, Columns({0, w}, {0, h}), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != Mountain) return;
    const int height =
        g.tables.ClassBaseHeight[Mountain] + 2 * depth[static_cast<std::size_t>(x) + kGridSide * y];
    g.grid(x, y, HeightLayer) = ClampByte(height);
    if (height <= kSnowAbove) return;
    g.grid(x, y, TerrainLayerA) = g.grid(x, y, TerrainLayerB) =
        static_cast<std::uint8_t>(top_class);
    g.grid(x, y, PropertyLayer) = kOccupied;
    g.grid(x, y, ResourceLayer) = 0;  // veins laid on the peaks go
    g.preview.Set(x, y, g.tables.ClassPreviewColour[Snow]);
  });
  EndStep(g);
}

}  // namespace swd
