#pragma once

#include "mapfile/swd_map.hpp"
#include "model/grid.hpp"

namespace swd::test {

// A hand-made map of flat meadow (code 8) at one height, nothing on it, no headquarters.
inline SwdMap FlatMeadow(int width, int height, int landscape_type = 0) {
  SwdMap map;
  map.header.title_cp437 = "Flach";
  map.header.width = width;
  map.header.height = height;
  map.header.landscape_type = landscape_type;
  for (auto& layer : map.layers)
    layer.assign(static_cast<std::size_t>(width) * height, 0);
  for (int layer : {TerrainLayerA, TerrainLayerB}) {
    for (auto& byte : map.layers[static_cast<std::size_t>(layer)])
      byte = 8;
  }
  for (auto& byte : map.layers[HeightLayer])
    byte = 10;
  return map;
}

}  // namespace swd::test
