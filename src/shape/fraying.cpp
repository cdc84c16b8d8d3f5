#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "model/random_walk.hpp"
#include "model/trigonometry.hpp"
#include "shape/coast_passes.hpp"
#include "shape/geometry.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

constexpr MessageKey kStatus = MessageKey::StatusFrayEdges;

// Walk length drawn between depth / 6 and K * 2 * depth / 3, both held as single values.
// At coast levels 0 and 1 the upper bound lies below the lower; RandomInt takes them as
// they are, which keeps those walks a little shorter than depth / 6.
int WalkLength(Generator& g, double k, int depth) {
  const auto lo = static_cast<float>(depth / 6.0);
  const auto hi = static_cast<float>(k * 2 * depth / 3);
  return RandomInt(g, lo, hi);
}

// A walker held five cells from the edges that paints water on every cell it steps on,
// with `mirrored` on its mirror too; one step in nine stays where it is.
void PaintWaterWalk(Generator& g, int x, int y, int length, bool mirrored) {
  RandomWalk(
      g, x, y, length, WalkEdge::KeepInside, [](int, int) { return true; },
      [&](int cx, int cy) {
        ForCellAndMirror(g, cx, cy, mirrored,
                         [&](int mx, int my) { SetCellClass(g, mx, my, Water); });
      });
}

// The island's four sides in order top, left, bottom, right. The walkers of a side start
// at random along it, five cells in from the map edge (six from the far edges), and walk
// for lengths measured across it.
struct IslandSide {
  bool along_row;  // top and bottom: the start varies in x
  bool far_edge;   // bottom and right
};
constexpr IslandSide kIslandSides[] = {{true, false}, {false, false}, {true, true}, {false, true}};

}  // namespace

void FrayIslandEdges(Generator& g) {
  BeginStep(g, kStatus);
  const double k = SliderFactor(g.run.CoastRoughness);
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  const int walkers_along_row = static_cast<int>(std::floor(w / 6.0 + 0.5));
  const int walkers_along_column = static_cast<int>(std::floor(h / 6.0 + 0.5));
  // On a symmetric island the bottom and right are the mirror of the top and left.
  const int sides = g.run.symmetric ? 2 : 4;
  ReseedFromClock(g);
  for (int side = 0; side < sides; ++side) {
    const IslandSide& s = kIslandSides[side];
    const int count = s.along_row ? walkers_along_row : walkers_along_column;
    for (int i = 0; i <= count; ++i) {
      int x = 0, y = 0, length = 0;
      if (s.along_row) {
        x = RandomInt(g, 5, w - 6);
        y = s.far_edge ? h - 6 : 5;
        length = WalkLength(g, k, h);
      } else {
        x = s.far_edge ? w - 6 : 5;
        y = RandomInt(g, 5, h - 6);
        length = WalkLength(g, k, w);
      }
      PaintWaterWalk(g, x, y, length, g.run.symmetric);
      ReportProgress(g, Percent(i, count));
    }
    if (CancelRequested(g)) return;
  }
  EndStep(g);
  RunCoastPasses(g, kCoast);
}

void FrayRingEdges(Generator& g, double inner, double outer) {
  BeginStep(g, kStatus);
  const double k = SliderFactor(g.run.CoastRoughness);
  ReseedFromClock(g);
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  const float angle_step = 6.0f - 4.0f * static_cast<float>(w) / 256.0f;
  const Ellipse e = Ellipse::OfMap(w, h);
  for (const double radius : {inner, outer}) {
    bool cancelled = false;
    ForFraction(0, 360, angle_step, [&](double alpha) {
      const int x = RoundHalfEven(e.cx - radius * e.ax * Sine(alpha * kDegree));
      const int y = RoundHalfEven(e.cy + radius * e.ay * Cosine(alpha * kDegree));
      PaintWaterWalk(g, x, y, WalkLength(g, k, h), false);  // rings have no mirror
      ReportProgress(g, Percent(alpha, 360));
      cancelled = CancelRequested(g);
      return !cancelled;
    });
    if (cancelled || CancelRequested(g)) return;
  }
  EndStep(g);
  RunCoastPasses(g, kCoast);
}

}  // namespace swd
