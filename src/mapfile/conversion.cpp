#include "mapfile/mapfile_steps.hpp"
#include "model/primitives.hpp"
#include "model/sweep.hpp"

namespace swd {

namespace {
// Game terrain code of an internal class; forest and mountain draw one per triangle.
std::uint8_t GameCode(Generator& g, int terrain_class) {
  switch (terrain_class) {
    case OpenLand:
      return 15;
    case Water:
      return 5;
    case Forest:
      return static_cast<std::uint8_t>(RandomInt(g, 8, 10));
    case Swamp:
      return 3;
    case Savanna:
      return 0;
    case Steppe:
      return 14;
    case Desert:
      return 4;
    case Mountain: {
      const int code = RandomInt(g, 11, 14);
      return static_cast<std::uint8_t>(code == 14 ? 1 : code);
    }
    case Snow:
      return 2;
    case MountainMeadow:
      return 18;
    case Lava:
      return 16;
    default:
      return 5;
  }
}
}  // namespace

void ConvertToGameCodes(Generator& g) {
  SweepStep(g, MessageKey::StatusConvert, WholeMapByRows(g), [&](int x, int y) {
    g.grid(x, y, TerrainLayerA) = GameCode(g, g.grid(x, y, TerrainLayerA));
    g.grid(x, y, TerrainLayerB) = GameCode(g, g.grid(x, y, TerrainLayerB));
  });
}

// Every odd row's second triangles take the first triangle of the next vertex to the right.
void ShiftTerrain(Generator& g) {
  const int w = g.run.MapWidth;
  SweepStep(g, MessageKey::StatusShift, Rows({1, g.run.MapHeight - 1, 2}, MapColumns(g)),
            [&](int x, int y) {
              g.grid(x, y, TerrainLayerB) = g.grid(x < w - 1 ? x + 1 : 0, y, TerrainLayerA);
            });
}

}  // namespace swd
