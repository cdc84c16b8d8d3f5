#pragma once

#include <utility>

#include "model/generator.hpp"

namespace swd {

// Whole number floor(lo + r * (hi - lo + 1)) for the next draw r; callers may pass
// fractional bounds.
int RandomInt(Generator& g, double lo, double hi);

// Bounds within which RandomInt works in integers: see below.
inline constexpr int kWholeDrawBound = 1 << 26;

// The same for whole-number bounds, which most draws have. r is u / 2^24 for a whole u < 2^24,
// so with both bounds within +-2^26 the sum above is exact in a double (its numerator over
// 2^24 stays below 2^52) and its floor is lo + floor(u * (hi - lo + 1) / 2^24): worked out
// in integers, without the long chain of conversions between float, double and int.
inline int RandomInt(Generator& g, int lo, int hi) {
  if (lo <= -kWholeDrawBound || lo >= kWholeDrawBound || hi <= -kWholeDrawBound ||
      hi >= kWholeDrawBound) {
    return RandomInt(g, static_cast<double>(lo), static_cast<double>(hi));
  }
  const std::int64_t span = std::int64_t{hi} - lo + 1;
  const std::int64_t u = g.rng.NextBits();
  return lo + static_cast<int>((u * span) >> 24);  // >> rounds down, also below zero
}

// Floor modulo: the result lies in 0..n-1 for every v (n > 0). The walkers and the
// neighbour loops pass values at most a few cells outside the map; those are moved by one
// addition, as a division costs some twenty times more.
inline int WrapIndex(int v, int n) {
  if (v >= 0) {
    if (v < n) return v;
    if (v - n < n) return v - n;
  } else if (v + n >= 0) {
    return v + n;
  }
  const int m = v % n;
  return m < 0 ? m + n : m;
}

// A cell moved into the map round its edges: the map is a torus.
inline std::pair<int, int> WrappedCell(const Generator& g, int x, int y) {
  return {WrapIndex(x, g.run.MapWidth), WrapIndex(y, g.run.MapHeight)};
}

// One cell of a block round (x, y): where it lies, wrapped into the map, and its offset.
struct Neighbour {
  int x, y;
  int dx, dy;
};

// How far the cells of a ring span reach from the centre: 1 up to the 3x3 block, 2 up to
// the 5x5 block, else 3.
constexpr int RingReach(RingSpan ring) {
  return ring.last <= kBlock3.last ? 1 : (ring.last <= kBlock5.last ? 2 : 3);
}

// True when every cell of the span round (x, y) lies in the map as it is, none wrapped.
inline bool RingInside(const Generator& g, int x, int y, RingSpan ring) {
  const int r = RingReach(ring);
  return x >= r && y >= r && x + r < g.run.MapWidth && y + r < g.run.MapHeight;
}

// Calls visit(Neighbour) for the ring table entries `ring` round (x, y), in table order.
template <class Visit>
void ForEachNeighbour(const Generator& g, int x, int y, RingSpan ring, Visit&& visit) {
  // Most cells lie far enough from the edges that none of their neighbours wraps.
  if (RingInside(g, x, y, ring)) {
    for (int i = ring.first; i <= ring.last; ++i) {
      const int dx = RingOffsetX[i];
      const int dy = RingOffsetY[i];
      visit(Neighbour{x + dx, y + dy, dx, dy});
    }
    return;
  }
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  for (int i = ring.first; i <= ring.last; ++i) {
    const int dx = RingOffsetX[i];
    const int dy = RingOffsetY[i];
    visit(Neighbour{WrapIndex(x + dx, w), WrapIndex(y + dy, h), dx, dy});
  }
}

// How many cells of the block satisfy pred(nx, ny).
template <class Pred>
int CountNeighbours(const Generator& g, int x, int y, RingSpan ring, Pred&& pred) {
  int count = 0;
  ForEachNeighbour(g, x, y, ring, [&](const Neighbour& n) { count += pred(n.x, n.y) ? 1 : 0; });
  return count;
}

// How many cells of the square block of 2 reach + 1 cells a side round (x, y), reach 1..3,
// centre included and wrapped round the map edges, hold class c1, c2 or c3 in
// TerrainLayerA.
int CountClassInBlock(const Generator& g, int x, int y, int reach, int c1, int c2, int c3);

// The same for the 5x5 (7x7) block.
inline int CountClassNear5(const Generator& g, int x, int y, int c1, int c2, int c3) {
  return CountClassInBlock(g, x, y, 2, c1, c2, c3);
}
inline int CountClassNear7(const Generator& g, int x, int y, int c1, int c2, int c3) {
  return CountClassInBlock(g, x, y, 3, c1, c2, c3);
}

double SliderFactor(int level);
double DensityFactor(int level);
void ClampToInterior(int& v, int size);
bool CancelRequested(Generator& g);

void SetCellClass(Generator& g, int x, int y, int c);
// SetCellClass, and the layers that are the same for every class (ResetObjectLayers).
void ResetCell(Generator& g, int x, int y, int c);
// Resets objects, animals, resources and the reserved and fill layers to 0, the aux layers
// to 7 and 64: of the cells of columns x0..x1 and rows y0..y1, row by row.
void ResetObjectLayers(Generator& g, int x0, int x1, int y0, int y1);

// The point mirror (MapWidth - x, MapHeight - y) of a cell on a symmetric base. For x = 0 or
// y = 0 it lies in the column or row just outside the map; the mirror of a neighbour,
// MirrorCell(x + dx, y + dy), is wrapped into the map where the step says so.
inline std::pair<int, int> MirrorCell(const Generator& g, int x, int y) {
  return {g.run.MapWidth - x, g.run.MapHeight - y};
}

// The mirror of a neighbour of (x, y), wrapped into the map.
inline std::pair<int, int> WrappedMirror(const Generator& g, int x, int y, const Neighbour& n) {
  const auto [mx, my] = MirrorCell(g, x + n.dx, y + n.dy);
  return WrappedCell(g, mx, my);
}

// Calls write(x, y) and, when `mirrored`, write at the mirror cell.
template <class Write>
void ForCellAndMirror(const Generator& g, int x, int y, bool mirrored, Write&& write) {
  write(x, y);
  if (mirrored) {
    const auto [mx, my] = MirrorCell(g, x, y);
    write(mx, my);
  }
}
// The same on a symmetric base.
template <class Write>
void ForCellAndMirror(const Generator& g, int x, int y, Write&& write) {
  ForCellAndMirror(g, x, y, g.run.symmetric, write);
}

// Calls write at the neighbour n of (x, y) and, on a symmetric base, at its wrapped mirror.
template <class Write>
void ForNeighbourAndMirror(const Generator& g, int x, int y, const Neighbour& n, Write&& write) {
  write(n.x, n.y);
  if (g.run.symmetric) {
    const auto [mx, my] = WrappedMirror(g, x, y, n);
    write(mx, my);
  }
}

// Writes one layer of a vertex and, on a symmetric base, of its mirror cell.
inline void WriteMirrored(Generator& g, int x, int y, int layer, std::uint8_t value) {
  ForCellAndMirror(g, x, y, [&](int cx, int cy) { g.grid(cx, cy, layer) = value; });
}

// SetCellClass at (x, y) and, on a symmetric base, at its mirror cell.
void SetCellClassMirrored(Generator& g, int x, int y, int c);

// Reseeds from the front end's clock, when it has one.
void ReseedFromClock(Generator& g);

}  // namespace swd
