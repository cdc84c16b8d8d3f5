#include "analysis/vertex_facts.hpp"

#include "analysis/lattice_walk.hpp"
#include "mapfile/lattice.hpp"
#include "mapfile/object_codes.hpp"
#include "mapfile/terrain_codes.hpp"
#include "model/grid.hpp"

namespace swd {

std::vector<VertexFacts> FactsOfVertices(const SwdMap& map) {
  const int w = map.Width();
  const int h = map.Height();
  std::vector<VertexFacts> facts(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      VertexFacts& f = facts[VertexIndex(w, x, y)];
      const std::uint8_t type = map.At(ObjectTypeLayer, x, y);
      f.solid = IsSolidObject(type, map.At(ObjectIndexLayer, x, y));
      f.tree = KindOfObject(type) == ObjectKind::Tree;
      f.granite = KindOfObject(type) == ObjectKind::Granite;
      f.all_buildable = f.all_mountain = true;
      for (const TouchingTriangle& t : TrianglesAround(y)) {
        const int tx = (x + t.dx + w) % w;
        const int ty = (y + t.dy + h) % h;
        const TerrainKind kind = KindOfTerrain(TerrainCode(map.At(t.layer, tx, ty)));
        f.any_snow_or_lava |= kind == TerrainKind::SnowOrLava;
        f.all_buildable &= kind == TerrainKind::Buildable;
        f.all_mountain &= kind == TerrainKind::Mountain;
        f.any_walkable |= AllowsWalking(kind);
      }
    }
  }
  return facts;
}

std::vector<std::uint8_t> WalkableVertices(const std::vector<VertexFacts>& facts) {
  std::vector<std::uint8_t> walkable;
  walkable.reserve(facts.size());
  for (const VertexFacts& f : facts)
    walkable.push_back(f.Walkable() ? 1 : 0);
  return walkable;
}

}  // namespace swd
