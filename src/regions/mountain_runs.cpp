#include "regions/mountain_runs.hpp"

#include <algorithm>

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
  std::vector<int> path;
  auto index = [w](int x, int y) { return static_cast<std::size_t>(x) + std::size_t(w) * y; };
  for (int sy = 0; sy < h; ++sy) {
    for (int sx = 0; sx < w; ++sx) {
      if (run[index(sx, sy)] != kUnknown) continue;
      // Follow the line until a cell whose run is known, a cell of another class, or the
      // start again: stepping by (dx, dy) on the torus visits every line as one cycle.
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
        if (g.grid(x, y, TerrainLayerA) != Mountain) {
          r = 0;
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
