#pragma once

#include <cstdint>
#include <utility>

#include "model/generator.hpp"
#include "model/primitives.hpp"

namespace swd {

// The random walkers of the region steps, the granite fields and the coast fraying: one
// start drawn in a window, then steps to random cells of the 3 x 3 block, one draw each.

// Where start cells are drawn; RandomInt takes the bounds as they are.
struct DrawWindow {
  double x_lo, x_hi, y_lo, y_hi;
};
inline DrawWindow WholeMapWindow(const Generator& g) {
  return {0, g.run.MapWidth - 1.0, 0, g.run.MapHeight - 1.0};
}

struct StartCell {
  int x = 0;
  int y = 0;
  bool found = false;  // false: no draw passed, (x, y) is the last one drawn
};

// Draws x and then y in the window, at most `tries` times, until passes(x, y).
template <class Passes>
StartCell DrawStartCell(Generator& g, const DrawWindow& window, int tries, Passes&& passes) {
  StartCell start;
  for (int draw = 1; draw <= tries && !start.found; ++draw) {
    start.x = RandomInt(g, window.x_lo, window.x_hi);
    start.y = RandomInt(g, window.y_lo, window.y_hi);
    start.found = passes(start.x, start.y);
  }
  return start;
}

enum class WalkEdge : std::uint8_t {
  Wrap,        // the walker crosses the map edges
  KeepInside,  // the walker is held five cells from every edge (ClampToInterior)
};

// Walks from (x, y) for the steps 0..last: each draws one of the nine cells of the 3 x 3
// block, the walker's own included. The walker moves there when may_enter(nx, ny) and then
// calls visit(nx, ny); otherwise it stays where it is and the step is used up. may_enter
// reads the grid only, which only visit changes.
template <class MayEnter, class Visit>
void RandomWalk(Generator& g, int x, int y, int last, WalkEdge edge, MayEnter&& may_enter,
                Visit&& visit) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  const auto step = [&](int d) {
    int nx = x + RingOffsetX[d];
    int ny = y + RingOffsetY[d];
    if (edge == WalkEdge::Wrap) {
      nx = WrapIndex(nx, w);
      ny = WrapIndex(ny, h);
    } else {
      ClampToInterior(nx, w);
      ClampToInterior(ny, h);
    }
    return std::pair{nx, ny};
  };
  // A walker that may enter none of its nine cells stays where it is to the end, as nothing
  // changes while it stands: the granite fields' walkers mostly end so, walled in by their
  // own granite, and their remaining draws are skipped in one go. Checked after every run
  // of a few steps used up in a row.
  constexpr int kStayedBeforeCheck = 8;
  const auto walled_in = [&] {
    for (int d = 0; d < 9; ++d) {
      const auto [nx, ny] = step(d);
      if (may_enter(nx, ny)) return false;
    }
    return true;
  };
  int stayed = 0;
  for (int j = 0; j <= last; ++j) {
    const auto [nx, ny] = step(RandomInt(g, 0, 8));
    if (!may_enter(nx, ny)) {
      if (++stayed % kStayedBeforeCheck == 0 && walled_in()) {
        g.rng.Skip(static_cast<std::uint64_t>(last - j));
        return;
      }
      continue;
    }
    stayed = 0;
    x = nx;
    y = ny;
    visit(x, y);
  }
}

}  // namespace swd
