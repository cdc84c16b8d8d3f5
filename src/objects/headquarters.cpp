#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

constexpr int kAttemptLimit = 5000;

// Flat, empty ground around a headquarters: the site keeps its terrain classes, but trees,
// granite and decorations go and the heights are levelled. (x0, y0) is at least five cells
// from every edge, so the block needs no wrapping.
void ClearSite(Generator& g, int x0, int y0, int mirror_x, int mirror_y, bool mirrored) {
  for (int i = 0; i <= 24; ++i) {
    const int dx = RingOffsetX[i];
    const int dy = RingOffsetY[i];
    const int x = mirrored ? mirror_x - (x0 + dx) : x0 + dx;
    const int y = mirrored ? mirror_y - (y0 + dy) : y0 + dy;
    g.grid(x, y, HeightLayer) = g.tables.ClassBaseHeight[0];
    g.grid(x, y, ObjectIndexLayer) = 0;
    g.grid(x, y, ObjectTypeLayer) = 0;
    g.grid(x, y, PropertyLayer) = g.tables.ClassPropertyCode[0];
  }
}

// Distance to the nearest headquarters of players 1..placed, straight across the map.
double NearestHeadquarters(const Generator& g, int x, int y, int placed) {
  double d = 0;
  for (int q = 1; q <= placed; ++q) {
    const double dx = x - g.HqX[q];
    const double dy = y - g.HqY[q];
    const double e = std::sqrt(dx * dx + dy * dy);
    if (q == 1 || e < d) d = e;
  }
  return d;
}

}  // namespace

void PlaceHeadquarters(Generator& g) {
  BeginStep(g, "Hauptquartiere werden gesucht");
  RunSettings& s = g.run;
  const int w = s.MapWidth;
  const int h = s.MapHeight;
  const bool symmetric = IsSymmetric(s);
  // Players come in mirrored pairs on a symmetric map.
  if (symmetric) s.PlayerCount = static_cast<std::uint8_t>(s.PlayerCount / 2 * 2);
  const float min_distance = static_cast<float>(w) / 16.0f + static_cast<float>(h) / 16.0f + 16.0f;

  for (int p = 1; p <= s.PlayerCount;) {
    int x = 0;
    int y = 0;
    for (int attempts = 0;; ++attempts) {
      x = RandomInt(g, 5, w - 6);
      y = RandomInt(g, 5, h - 6);
      double d = 50;
      const int c = g.grid(x, y, TerrainLayerA);
      const int n = (c == 0 || c == 2 || c == 4) ? CountClassNear5(g, x, y, 0, 2, 4) : 0;
      if (n >= 25 && p >= 2) d = NearestHeadquarters(g, x, y, p - 1);
      if (attempts > kAttemptLimit) {
        s.PlayerCount = static_cast<std::uint8_t>(p - 1);
        EndStep(g);
        return;
      }
      if (n == 25 && d >= min_distance) break;
    }
    g.HqX[p] = static_cast<std::uint8_t>(x);
    g.HqY[p] = static_cast<std::uint8_t>(y);
    ClearSite(g, x, y, w, h, false);
    int placed = p;
    if (symmetric) {
      g.HqX[p + 1] = static_cast<std::uint8_t>(w - x);
      g.HqY[p + 1] = static_cast<std::uint8_t>(h - y);
      ClearSite(g, x, y, w, h, true);
      placed = p + 1;
    }
    ReportProgress(g, Percent(placed, s.PlayerCount));
    p = placed + 1;
  }
  EndStep(g);
}

}  // namespace swd
