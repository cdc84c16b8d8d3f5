#include "rules/start_positions.hpp"

#include <algorithm>
#include <array>
#include <optional>

#include "mapfile/object_codes.hpp"
#include "model/grid.hpp"

namespace swd {

StartPositions FindStartPositions(const SwdMap& map) {
  std::array<std::optional<VertexPos>, 8> found{};  // by player 1..7
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      const int player = map.At(ObjectIndexLayer, x, y) + 1;
      if (map.At(ObjectTypeLayer, x, y) == kStartPositionObject && player <= 7 && !found[player]) {
        found[player] = VertexPos{x, y};
      }
    }
  }
  StartPositions starts;
  starts.from_objects =
      std::any_of(found.begin(), found.end(), [](auto& f) { return f.has_value(); });
  for (int p = 1; p <= 7; ++p) {
    const auto& hx = map.header.hq_x[p];
    const auto& hy = map.header.hq_y[p];
    if (!starts.from_objects && hx && hy && *hx < map.Width() && *hy < map.Height()) {
      found[p] = VertexPos{*hx, *hy};
    }
    if (found[p]) starts.list.push_back({p, *found[p]});
  }
  return starts;
}

}  // namespace swd
