#pragma once

#include "mapfile/lattice.hpp"
#include "mapfile/swd_map.hpp"

namespace swd::test {

inline constexpr int kMeadow = 8;
inline constexpr int kWater = 5;

// A flat map of meadow, height 10, without objects or starts.
inline SwdMap FlatMap(int width, int height) {
  SwdMap map;
  map.header.width = width;
  map.header.height = height;
  for (auto& layer : map.layers)
    layer.assign(static_cast<std::size_t>(width) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      map.At(TerrainLayerA, x, y) = map.At(TerrainLayerB, x, y) = kMeadow;
      map.At(HeightLayer, x, y) = 10;
    }
  }
  return map;
}

// Gives the six triangles around (x, y) the terrain `code`.
inline void SetTrianglesAround(SwdMap& map, int x, int y, int code) {
  for (const TouchingTriangle& t : TrianglesAround(y)) {
    map.At(t.layer, (x + t.dx + map.Width()) % map.Width(),
           (y + t.dy + map.Height()) % map.Height()) = static_cast<std::uint8_t>(code);
  }
}

inline void PutObject(SwdMap& map, int x, int y, int type, int index) {
  map.At(ObjectTypeLayer, x, y) = static_cast<std::uint8_t>(type);
  map.At(ObjectIndexLayer, x, y) = static_cast<std::uint8_t>(index);
}

}  // namespace swd::test
