#include "analysis/vertex_facts.hpp"

#include <array>

#include "analysis/lattice_walk.hpp"
#include "mapfile/lattice.hpp"
#include "mapfile/object_codes.hpp"
#include "mapfile/terrain_codes.hpp"
#include "model/grid.hpp"

namespace swd {

namespace {

// What a triangle's terrain byte tells the rules, as bits: a vertex ORs and ANDs the bits of
// its six triangles instead of asking each one's kind four times.
enum TriangleBit : std::uint8_t { kSnowOrLava = 1, kBuildable = 2, kMountain = 4, kWalk = 8 };

constexpr std::array<std::uint8_t, 256> kTriangleBits = [] {
  std::array<std::uint8_t, 256> bits{};
  for (int byte = 0; byte < 256; ++byte) {
    const TerrainKind kind = KindOfTerrain(TerrainCode(static_cast<std::uint8_t>(byte)));
    bits[byte] = static_cast<std::uint8_t>((kind == TerrainKind::SnowOrLava ? kSnowOrLava : 0) |
                                           (kind == TerrainKind::Buildable ? kBuildable : 0) |
                                           (kind == TerrainKind::Mountain ? kMountain : 0) |
                                           (AllowsWalking(kind) ? kWalk : 0));
  }
  return bits;
}();

}  // namespace

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
      std::uint8_t any = 0;
      std::uint8_t all = 0xFF;
      for (const TouchingTriangle& t : TrianglesAround(y)) {
        const std::uint8_t bits =
            kTriangleBits[map.At(t.layer, WrapStep(x + t.dx, w), WrapStep(y + t.dy, h))];
        any |= bits;
        all &= bits;
      }
      f.any_snow_or_lava = (any & kSnowOrLava) != 0;
      f.all_buildable = (all & kBuildable) != 0;
      f.all_mountain = (all & kMountain) != 0;
      f.any_walkable = (any & kWalk) != 0;
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
