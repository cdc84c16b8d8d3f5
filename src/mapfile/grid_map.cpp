#include "mapfile/grid_map.hpp"

#include <algorithm>

namespace swd {

SwdMap MapOfGrid(const Generator& g) {
  SwdMap map;
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  map.header.width = w;
  map.header.height = h;
  map.header.landscape_type = g.run.LandscapeType;
  map.header.player_count = g.run.PlayerCount;
  for (int p = 1; p <= 7 && p <= g.run.PlayerCount; ++p) {
    map.header.hq_x[p] = g.HqX[p];
    map.header.hq_y[p] = g.HqY[p];
  }
  for (int k = 0; k < kSwdBlockCount; ++k) {
    auto& layer = map.layers[static_cast<std::size_t>(k)];
    layer.resize(static_cast<std::size_t>(w) * h);
    const std::uint8_t* plane = g.grid.Plane(k);
    for (int y = 0; y < h; ++y) {
      std::copy_n(plane + static_cast<std::size_t>(y) * kGridSide, w,
                  layer.begin() + static_cast<std::ptrdiff_t>(y) * w);
    }
  }
  return map;
}

void StoreInGrid(Generator& g, const SwdMap& map) {
  const int w = map.Width();
  for (int k = 0; k < kSwdBlockCount; ++k) {
    const auto& layer = map.layers[static_cast<std::size_t>(k)];
    for (int y = 0; y < map.Height(); ++y) {
      for (int x = 0; x < w; ++x)
        g.grid(x, y, k) = layer[static_cast<std::size_t>(x) + static_cast<std::size_t>(w) * y];
    }
  }
  g.run.PlayerCount = static_cast<std::uint8_t>(map.header.player_count);
  for (int p = 1; p <= 7 && p <= map.header.player_count; ++p) {
    g.HqX[p] = static_cast<std::uint8_t>(map.header.hq_x[p].value_or(0));
    g.HqY[p] = static_cast<std::uint8_t>(map.header.hq_y[p].value_or(0));
  }
}

}  // namespace swd
