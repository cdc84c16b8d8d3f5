#include "mapfile/mapfile_steps.hpp"
#include "model/primitives.hpp"
#include "model/progress.hpp"

namespace swd {

namespace {
// Game terrain code of an internal class; forest and mountain draw one per triangle.
std::uint8_t GameCode(Generator& g, int terrain_class) {
  switch (terrain_class) {
    case 0:
      return 15;
    case 1:
      return 5;
    case 2:
      return static_cast<std::uint8_t>(RandomInt(g, 8, 10));
    case 3:
      return 3;
    case 4:
      return 0;
    case 5:
      return 14;
    case 6:
      return 4;
    case 7: {
      const int code = RandomInt(g, 11, 14);
      return static_cast<std::uint8_t>(code == 14 ? 1 : code);
    }
    case 8:
      return 2;
    case 9:
      return 18;
    case 10:
      return 16;
    default:
      return 5;
  }
}
}  // namespace

void ConvertToGameCodes(Generator& g) {
  BeginStep(g, "Umwandeln in SWD-Format");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      g.grid(x, y, TerrainLayerA) = GameCode(g, g.grid(x, y, TerrainLayerA));
      g.grid(x, y, TerrainLayerB) = GameCode(g, g.grid(x, y, TerrainLayerB));
    }
    ReportProgress(g, Percent(y, h));
  }
  EndStep(g);
}

void ShiftTerrain(Generator& g) {
  BeginStep(g, "Verschieben");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  for (int y = 1; y <= h - 1; y += 2) {
    for (int x = 0; x < w; ++x) {
      g.grid(x, y, TerrainLayerB) = g.grid(x < w - 1 ? x + 1 : 0, y, TerrainLayerA);
    }
    ReportProgress(g, Percent(y, h));
  }
  EndStep(g);
}

}  // namespace swd
