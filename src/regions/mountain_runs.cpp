#include "regions/mountain_runs.hpp"

#include <algorithm>
#include <cstdint>

#include "model/primitives.hpp"

namespace swd {

namespace {
constexpr std::int16_t kUnknown = -1;
constexpr std::int16_t kOnPath = -2;
}  // namespace

std::vector<std::int16_t> MountainRunLengths(const Generator& g, int dx, int dy, int cap) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  std::vector<std::int16_t> run(static_cast<std::size_t>(w) * h, kUnknown);
  auto index = [w](int x, int y) { return static_cast<std::size_t>(x) + std::size_t(w) * y; };
  // Cells of other classes end every run.
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* cells = g.grid.Plane(TerrainLayerA) + std::size_t{kGridSide} * y;
    std::int16_t* out = &run[index(0, y)];
    for (int x = 0; x < w; ++x) {
      if (cells[x] != Mountain) out[x] = 0;
    }
  }
  // The cells are visited from the far end of the direction on, so that a cell's next one
  // is mostly known already: its run is then that one's plus one. Only where a line
  // crosses the map's edge is it followed further.
  std::vector<int> path;
  for (int i = 0; i < h; ++i) {
    const int sy = dy > 0 ? h - 1 - i : i;
    for (int j = 0; j < w; ++j) {
      const int sx = dx > 0 ? w - 1 - j : j;
      std::int16_t& own = run[index(sx, sy)];
      if (own != kUnknown) continue;
      const std::int16_t next = run[index(WrapIndex(sx + dx, w), WrapIndex(sy + dy, h))];
      if (next >= 0) {
        own = static_cast<std::int16_t>(std::min(cap, next + 1));
        continue;
      }
      // Follow the line until a cell whose run is known, or the start again: stepping by
      // (dx, dy) on the torus visits every line as one cycle.
      path.clear();
      int x = sx;
      int y = sy;
      int next_run = 0;
      bool whole_line = false;
      for (;;) {
        std::int16_t& r = run[index(x, y)];
        if (r == kOnPath) {
          whole_line = true;
          break;
        }
        if (r != kUnknown) {
          next_run = r;
          break;
        }
        r = kOnPath;
        path.push_back(x + w * y);
        x = WrapIndex(x + dx, w);
        y = WrapIndex(y + dy, h);
      }
      // A line that is mountain all the way round has no end: every run stops at the cap.
      for (auto it = path.rbegin(); it != path.rend(); ++it) {
        next_run = whole_line ? cap : std::min(cap, next_run + 1);
        run[static_cast<std::size_t>(*it)] = static_cast<std::int16_t>(next_run);
      }
    }
  }
  return run;
}

}  // namespace swd
