#include "rules/vertex_facts.hpp"

#include <array>

#include "mapfile/lattice.hpp"
#include "mapfile/object_codes.hpp"
#include "mapfile/terrain_codes.hpp"
#include "model/grid.hpp"

namespace swd {

namespace {

// What a triangle's terrain byte tells the rules, as bits: a vertex ORs and ANDs the bits of
// its six triangles instead of asking each one's kind four times.
enum TriangleBit : std::uint8_t {
  kSnowOrLava = 1,
  kBuildable = 2,
  kMountain = 4,
  kWalk = 8,
  kWater = 16,
  kShipWater = 32,
};

// Ships sail on water of this code only.
constexpr int kShipWaterCode = 5;

// Code 17 is a lava as well: the game keeps everyone away from it as from the others.
constexpr int kLavaWithoutMap = 17;

constexpr std::array<std::uint8_t, 256> kTriangleBits = [] {
  std::array<std::uint8_t, 256> bits{};
  for (int byte = 0; byte < 256; ++byte) {
    const int code = TerrainCode(static_cast<std::uint8_t>(byte));
    const TerrainKind kind = KindOfTerrain(code);
    const bool hot = kind == TerrainKind::SnowOrLava || code == kLavaWithoutMap;
    bits[byte] = static_cast<std::uint8_t>(
        (hot ? kSnowOrLava : 0) | (kind == TerrainKind::Buildable ? kBuildable : 0) |
        (kind == TerrainKind::Mountain ? kMountain : 0) | (AllowsWalking(kind) ? kWalk : 0) |
        (kind == TerrainKind::Water ? kWater : 0) | (code == kShipWaterCode ? kShipWater : 0));
  }
  return bits;
}();

// Where each triangle of TrianglesAround (the map fill's order) lies in the ring order of
// VertexFacts: the fill lists B(W) fourth and B(v) last.
constexpr std::array<int, 6> kRingPlace{0, 1, 2, 5, 4, 3};

// The facts from the object on a vertex and the bytes of its six triangles in ring order.
VertexFacts FactsFrom(std::uint8_t type, std::uint8_t index,
                      const std::array<std::uint8_t, 6>& ring) {
  VertexFacts f;
  f.solid = IsSolidObject(type, index);
  f.tree = KindOfObject(type) == ObjectKind::Tree;
  f.granite = KindOfObject(type) == ObjectKind::Granite;
  f.blocks_walking = f.solid && !f.tree;
  std::uint8_t any = 0;
  std::uint8_t all = 0xFF;
  for (int i = 0; i < 6; ++i) {
    const std::uint8_t bits = kTriangleBits[ring[static_cast<std::size_t>(i)]];
    any |= bits;
    all &= bits;
    const auto ring_bit = static_cast<std::uint8_t>(1u << i);
    if ((bits & kSnowOrLava) != 0) f.snow_or_lava_ring |= ring_bit;
    if ((bits & kWalk) != 0) f.walkable_ring |= ring_bit;
    if ((bits & kBuildable) != 0) f.buildable_ring |= ring_bit;
  }
  f.any_snow_or_lava = (any & kSnowOrLava) != 0;
  f.all_buildable = (all & kBuildable) != 0;
  f.all_mountain = (all & kMountain) != 0;
  f.any_walkable = (any & kWalk) != 0;
  f.all_water = (all & kWater) != 0;
  f.all_ship_water = (all & kShipWater) != 0;
  return f;
}

}  // namespace

VertexFacts FactsOfVertex(const SwdMap& map, int x, int y) {
  const int w = map.Width();
  const int h = map.Height();
  std::array<std::uint8_t, 6> ring{};
  const auto& around = TrianglesAround(y);
  for (std::size_t i = 0; i < 6; ++i) {
    const TouchingTriangle& t = around[i];
    ring[static_cast<std::size_t>(kRingPlace[i])] =
        map.At(t.layer, WrapStep(x + t.dx, w), WrapStep(y + t.dy, h));
  }
  return FactsFrom(map.At(ObjectTypeLayer, x, y), map.At(ObjectIndexLayer, x, y), ring);
}

// Row by row, the two rows of each vertex's triangles at hand: asked for every vertex of a
// map by every reader of it, this is where the analysis spends much of its time.
std::vector<VertexFacts> FactsOfVertices(const SwdMap& map) {
  const int w = map.Width();
  const int h = map.Height();
  std::vector<VertexFacts> facts;
  facts.reserve(static_cast<std::size_t>(w) * h);
  const auto row = [&](int layer, int y) {
    return map.layers[static_cast<std::size_t>(layer)].data() + static_cast<std::size_t>(y) * w;
  };
  for (int y = 0; y < h; ++y) {
    const int above = WrapStep(y - 1, h);
    const std::uint8_t* a_above = row(TerrainLayerA, above);
    const std::uint8_t* b_above = row(TerrainLayerB, above);
    const std::uint8_t* a_here = row(TerrainLayerA, y);
    const std::uint8_t* b_here = row(TerrainLayerB, y);
    const std::uint8_t* types = row(ObjectTypeLayer, y);
    const std::uint8_t* indices = row(ObjectIndexLayer, y);
    const int odd = y % 2;
    for (int x = 0; x < w; ++x) {
      const int west = WrapStep(x - 1, w);
      const int north_west = odd != 0 ? x : west;
      const int north_east = odd != 0 ? WrapStep(x + 1, w) : x;
      facts.push_back(FactsFrom(types[x], indices[x],
                                {a_above[north_west], b_above[north_west], a_above[north_east],
                                 b_here[x], a_here[x], b_here[west]}));
    }
  }
  return facts;
}

}  // namespace swd
