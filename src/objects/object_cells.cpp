#include "objects/object_cells.hpp"

#include "model/primitives.hpp"

namespace swd {

void PlantTree(Generator& g, int x, int y, std::uint8_t type, int first, int last, bool mirrored) {
  ForCellAndMirror(g, x, y, mirrored, [&](int cx, int cy) {
    g.grid(cx, cy, ObjectTypeLayer) = type;
    g.grid(cx, cy, ObjectIndexLayer) = static_cast<std::uint8_t>(RandomInt(g, first, last));
    g.grid(cx, cy, PropertyLayer) = kOccupied;
  });
}

}  // namespace swd
