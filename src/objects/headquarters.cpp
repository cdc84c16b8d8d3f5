#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

constexpr int kAttemptLimit = 5000;

// Flat, empty ground around a headquarters and, on a symmetric map, its mirror: the site
// keeps its terrain classes, but trees, granite and decorations go and the heights are
// levelled.
void ClearSite(Generator& g, int x0, int y0) {
  ForEachNeighbour(g, x0, y0, kBlock5, [&](const Neighbour& n) {
    ForNeighbourAndMirror(g, x0, y0, n, [&](int x, int y) {
      g.grid(x, y, HeightLayer) = g.tables.ClassBaseHeight[OpenLand];
      g.grid(x, y, ObjectIndexLayer) = 0;
      g.grid(x, y, ObjectTypeLayer) = 0;
      g.grid(x, y, PropertyLayer) = g.tables.ClassPropertyCode[OpenLand];
    });
  });
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

float HeadquartersDistance(const RunSettings& s) {
  return static_cast<float>(s.MapWidth) / 16.0f + static_cast<float>(s.MapHeight) / 16.0f + 16.0f;
}

void PlaceHeadquarters(Generator& g) {
  BeginStep(g, MessageKey::StatusFindHeadquarters);
  RunSettings& s = g.run;
  const int w = s.MapWidth;
  const int h = s.MapHeight;
  const bool symmetric = s.symmetric;
  // Players come in mirrored pairs on a symmetric map.
  if (symmetric) s.PlayerCount = static_cast<std::uint8_t>(s.PlayerCount / 2 * 2);
  const float min_distance = HeadquartersDistance(s);

  for (int p = 1; p <= s.PlayerCount;) {
    int x = 0;
    int y = 0;
    for (int attempts = 0;; ++attempts) {
      x = RandomInt(g, 5, w - 6);
      y = RandomInt(g, 5, h - 6);
      double d = 50;
      const int c = g.grid(x, y, TerrainLayerA);
      const bool open = c == OpenLand || c == Forest || c == Savanna;
      const int n = open ? CountClassNear5(g, x, y, OpenLand, Forest, Savanna) : 0;
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
    // Fair starts choose their sites on the finished landscape and prepare them there; this
    // placement, with its draws, only says how many players the landscape holds.
    if (!s.fair_starts) ClearSite(g, x, y);
    int placed = p;
    if (symmetric) {
      const auto [mx, my] = MirrorCell(g, x, y);
      g.HqX[p + 1] = static_cast<std::uint8_t>(mx);
      g.HqY[p + 1] = static_cast<std::uint8_t>(my);
      placed = p + 1;
    }
    ReportProgress(g, Percent(placed, s.PlayerCount));
    p = placed + 1;
  }
  EndStep(g);
}

}  // namespace swd
