#include "objects/object_cells.hpp"

#include "model/primitives.hpp"

namespace swd {

void PlantTree(Generator& g, int x, int y, std::uint8_t type, int first, int last, bool mirrored) {
  const int mx = g.run.MapWidth - x;
  const int my = g.run.MapHeight - y;
  g.grid(x, y, ObjectTypeLayer) = type;
  g.grid(x, y, ObjectIndexLayer) = static_cast<std::uint8_t>(RandomInt(g, first, last));
  if (mirrored) {
    g.grid(mx, my, ObjectTypeLayer) = type;
    g.grid(mx, my, ObjectIndexLayer) = static_cast<std::uint8_t>(RandomInt(g, first, last));
  }
  g.grid(x, y, PropertyLayer) = kOccupied;
  if (mirrored) g.grid(mx, my, PropertyLayer) = kOccupied;
}

}  // namespace swd
