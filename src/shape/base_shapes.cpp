#include <algorithm>
#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "model/sweep.hpp"
#include "model/trigonometry.hpp"
#include "shape/coast_passes.hpp"
#include "shape/geometry.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

namespace {

constexpr MessageKey kStatus = MessageKey::StatusBuildBase;

// The rectangle that "Insel" keeps as land; without "Insel" it is the whole map and the
// extra column and row.
bool InsideMargin(const RunSettings& s, int x, int y) {
  const double fx = x, fy = y;
  return s.MarginX <= fx && fx <= s.InnerWidth && s.MarginY <= fy && fy <= s.InnerHeight;
}

// -1 or 1, for the sense of a figure's rotation and its mirroring.
int RandomSign(Generator& g) {
  return RandomInt(g, 0, 1) == 0 ? -1 : 1;
}

// Degrees per angle step of the elliptic figures: finer on larger maps.
double EllipseAngleStep(const RunSettings& s) {
  return 1 - 0.7 * std::max(s.MapWidth, s.MapHeight) / 256.0;
}

// After each angle step of a figure. True when the cancel key is held: the figure stops
// at once and leaves the progress display as it is.
bool AngleStepCancelled(Generator& g, double t, double end) {
  SetBar(g, Percent(t, end));
  RefreshPreview(g);
  if (CancelRequested(g)) return true;
  YieldToUser(g);
  return false;
}

// The end of both spirals: the outer ring of "Spirale mit Ring", then the beach.
void FinishSpiral(Generator& g) {
  if (g.run.shape == BaseShape::SpiralWithRing) CarveOuterRing(g);
  RunCoastPasses(g, kCoast);
  EndStep(g);
}

}  // namespace

bool CarveEllipseBand(Generator& g, double inner, double outer) {
  const RunSettings& s = g.run;
  const Ellipse e = Ellipse::OfMap(s.MapWidth, s.MapHeight);
  bool cancelled = false;
  ForFraction(0, 360, EllipseAngleStep(s), [&](double t) {
    const double sine = Sine(t * kDegree);
    const double cosine = Cosine(t * kDegree);
    const int px = RoundHalfEven(e.ax * sine);
    const int py = RoundHalfEven(e.ay * cosine);
    // Radial steps fine enough that the band has no holes where it is widest.
    const double radial_step = 1 / (std::sqrt(static_cast<double>(px * px + py * py)) + 10);
    ForFraction(inner, outer, radial_step, [&](double r) {
      const int x = RoundHalfEven(e.cx - r * e.ax * sine);
      const int y = RoundHalfEven(e.cy + r * e.ay * cosine);
      if (InsideMargin(s, x, y)) ResetCell(g, x, y, OpenLand);
    });
    cancelled = AngleStepCancelled(g, t, 360);
    return !cancelled;
  });
  return !cancelled;
}

void BuildIsland(Generator& g) {
  const RunSettings& s = g.run;
  // Every cell the sweep below reaches, and on a symmetric base its mirror, is reset. The
  // layers that do not depend on the class are reset row by row first, the same for every
  // cell, which spares the column sweep ten of its fourteen writes per cell.
  ResetObjectLayers(g, 0, s.MapWidth, 0, s.RowLimit);
  if (s.symmetric) ResetObjectLayers(g, 0, s.MapWidth, s.MapHeight - s.RowLimit, s.MapHeight);
  // Up to and including column MapWidth; on a symmetric base the mirror takes the class
  // decided for the cell, and a later write overwrites an earlier one.
  SweepStep(g, kStatus, Columns({0, s.MapWidth}, {0, s.RowLimit}), [&](int x, int y) {
    const int c = InsideMargin(s, x, y) ? OpenLand : Water;
    ForCellAndMirror(g, x, y, [&](int cx, int cy) { SetCellClass(g, cx, cy, c); });
  });
}

void BuildShapedBase(Generator& g) {
  const RunSettings& s = g.run;
  if (s.shape == BaseShape::Picture) {
    BuildPictureBase(g);
    return;
  }
  // The whole map and the spare column and row turn to sea; the layers that do not depend
  // on the class are reset row by row first (see BuildIsland).
  ResetObjectLayers(g, 0, s.MapWidth, 0, s.MapHeight);
  SweepStep(g, kStatus, Columns({0, s.MapWidth}, {0, s.MapHeight}),
            [&](int x, int y) { SetCellClass(g, x, y, Water); });
  if (s.shape == BaseShape::Spiral || s.shape == BaseShape::SpiralWithRing) {
    if (s.MapWidth == s.MapHeight) {
      CarveSquareSpiral(g);
    } else {
      CarveEllipticSpiral(g);
    }
  }
  if (s.shape == BaseShape::Ring) CarveRing(g);
}

void CarveSquareSpiral(Generator& g) {
  BeginStep(g, kStatus);
  const RunSettings& s = g.run;
  const Ellipse e = Ellipse::OfMap(s.MapWidth, s.MapHeight);
  const int mirror_x = RandomSign(g);
  const int mirror_y = RandomSign(g);
  const int sense = RandomSign(g);
  const int start_angle = RandomInt(g, 0, 360);
  const int pitch = RandomInt(g, 20, 40);  // cells of radius gained per turn
  const int half_width = pitch / 3;
  const double end = start_angle + 360 * (s.MapWidth / 2.0) / pitch;
  const double max_radius = s.MapWidth / 2.0 - 6;
  bool cancelled = false;
  ForFraction(0, end, 0.5, [&](double t) {
    const double rc = pitch * t / 360;
    const double r_in = std::max(rc - half_width, 0.0);
    const double r_out = std::min(rc + half_width, max_radius);
    if (r_in > max_radius) return false;
    const double theta = (sense * t + start_angle) * kDegree;
    const double sine = Sine(theta);
    const double cosine = Cosine(theta);
    ForFraction(r_in, r_out, 0.5, [&](double r) {
      ResetCell(g, RoundHalfEven(e.cx - mirror_x * r * sine),
                RoundHalfEven(e.cy + mirror_y * r * cosine), OpenLand);
    });
    cancelled = AngleStepCancelled(g, t, end);
    return !cancelled;
  });
  if (!cancelled) FinishSpiral(g);
}

void CarveEllipticSpiral(Generator& g) {
  BeginStep(g, kStatus);
  const RunSettings& s = g.run;
  const Ellipse e = Ellipse::OfMap(s.MapWidth, s.MapHeight);
  const int sense = RandomSign(g);
  const double pitch = RandomInt(g, 30, 50) / 100.0;  // fraction of the half-axes per turn
  const double end = 360 / pitch + 45;
  bool cancelled = false;
  ForFraction(0, end, EllipseAngleStep(s), [&](double t) {
    const double rc = pitch * t / 360;
    const int px = RoundHalfEven(rc * e.ax * Sine(t * kDegree));
    const int py = RoundHalfEven(rc * e.ay * Cosine(t * kDegree));
    const double d = std::sqrt(static_cast<double>(px * px + py * py));
    const double radial_step = 1 / (10 * (d + 10));
    const double theta = sense * t * kDegree;
    const double sine = Sine(theta);
    const double cosine = Cosine(theta);
    ForFraction(0.3 + 0.5 * rc, 1, radial_step, [&](double r) {
      const int x = RoundHalfEven(e.cx - r * rc * e.ax * sine);
      const int y = RoundHalfEven(e.cy + r * rc * e.ay * cosine);
      if (InsideMargin(s, x, y)) ResetCell(g, x, y, OpenLand);
    });
    cancelled = AngleStepCancelled(g, t, end);
    return !cancelled;
  });
  if (!cancelled) FinishSpiral(g);
}

void CarveOuterRing(Generator& g) {
  BeginStep(g, kStatus);
  const double inner = RandomInt(g, 80, 85) / 100.0;
  if (!CarveEllipseBand(g, inner, 1)) return;
  RunCoastPasses(g, kStandardCoast);
  EndStep(g);
}

void CarveRing(Generator& g) {
  BeginStep(g, kStatus);
  const double inner = RandomInt(g, 0, 80) / 100.0;
  const double outer = RandomInt(g, 95, 100) / 100.0;
  if (!CarveEllipseBand(g, inner, outer)) return;
  FrayRingEdges(g, inner, outer);
  RunCoastPasses(g, kStandardCoast);
  EndStep(g);
}

}  // namespace swd
