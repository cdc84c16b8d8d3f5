#include <cmath>
#include <cstdint>

#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "regions/region_cells.hpp"
#include "regions/region_steps.hpp"

namespace swd {

namespace {

// Borders between these classes meet at the height halfway between their base heights.
struct Equalized {
  int a, b;
};
constexpr Equalized kEqualized[] = {
    {Mountain, MountainMeadow}, {Forest, Water}, {Swamp, Water}, {Mountain, Snow}};

// Interiors of class p, away from the classes q, r and s, get a random relief.
struct Manipulated {
  int p, q, r, s;
};
constexpr Manipulated kManipulated[] = {{OpenLand, MountainMeadow, Forest, Swamp},
                                        {Mountain, MountainMeadow, Snow, Lava},
                                        {Desert, Water, Savanna, Water},
                                        {Steppe, Water, Swamp, Water},
                                        {Forest, Water, MountainMeadow, OpenLand}};

// AddHeight on the 3x3 block round (x, y), wrapped round the edges.
void AddHeightToBlock(Generator& g, int x, int y, int d) {
  if (RingInside(g, x, y, kBlock3)) {
    // Away from the edges the three rows are changed in place. Each cell changes on its own,
    // so the order of the nine does not matter.
    for (int dy = -1; dy <= 1; ++dy) {
      std::uint8_t* row = &g.grid(x - 1, y + dy, HeightLayer);
      for (int i = 0; i < 3; ++i)
        row[i] = ClampByte(long{row[i]} + d);
    }
    return;
  }
  ForEachNeighbour(g, x, y, kBlock3, [&](const Neighbour& n) { AddHeight(g, n.x, n.y, d); });
}

}  // namespace

void ShapeHeights(Generator& g) {
  const auto& base = g.tables.ClassBaseHeight;
  for (const Equalized& e : kEqualized) {
    EqualizeHeights(g, e.a, e.b, static_cast<int>(std::floor((base[e.a] + base[e.b]) / 2.0)));
  }
  for (const Manipulated& m : kManipulated)
    ManipulateHeights(g, m.p, m.q, m.r, m.s);
}

void EqualizeHeights(Generator& g, int a, int b, int h) {
  SweepStep(g, MessageKey::StatusMatchHeights, WorkingPass(g).StopOnCancel(), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != a) return;
    const int next_to_b = CountNeighbours(
        g, x, y, kRing1, [&](int nx, int ny) { return g.grid(nx, ny, TerrainLayerA) == b; });
    if (next_to_b > 0) SetHeightMirrored(g, x, y, h);
  });
}

void ManipulateHeights(Generator& g, int p, int q, int r, int s) {
  SweepStep(g, MessageKey::StatusShapeHeights, WorkingPass(g), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != p || CountClassNear5(g, x, y, q, r, s) != 0) return;
    const int d = RandomInt(g, -1, 1);
    AddHeightToBlock(g, x, y, d);
    if (!g.run.symmetric) return;
    ForEachNeighbour(g, x, y, kBlock3, [&](const Neighbour& n) {
      const auto [mx, my] = WrappedMirror(g, x, y, n);
      AddHeight(g, mx, my, d);
    });
  });
}

}  // namespace swd
