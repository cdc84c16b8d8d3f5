#include "analysis/map_counts.hpp"

#include "model/grid.hpp"

namespace swd {

MapCounts CountMap(const SwdMap& map, const std::vector<SiteSize>& sites) {
  MapCounts c;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      for (const int layer : {TerrainLayerA, TerrainLayerB})
        ++c.triangles[static_cast<int>(KindOfTerrain(TerrainCode(map.At(layer, x, y))))];
      const int index = map.At(ObjectIndexLayer, x, y);
      switch (KindOfObject(map.At(ObjectTypeLayer, x, y))) {
        case ObjectKind::Tree:
          ++c.trees;
          break;
        case ObjectKind::Granite:
          ++c.granite[index >= 1 && index <= kLargestGranite ? index : 0];
          break;
        case ObjectKind::Decoration:
          ++c.decorations;
          break;
        default:
          break;
      }
      const Resource r = ResourceOf(map.At(ResourceLayer, x, y));
      c.resources[static_cast<int>(r.kind)] += r.amount;
      const int animal = map.At(AnimalLayer, x, y);
      if (animal >= 1 && animal <= 6) ++c.animals[animal];
    }
  }
  for (const SiteSize s : sites)
    ++c.sites[static_cast<int>(s)];
  return c;
}

}  // namespace swd
