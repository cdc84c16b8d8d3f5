#pragma once

#include <utility>

#include "model/generator.hpp"

namespace swd {

// Whole number floor(lo + r * (hi - lo + 1)); callers may pass fractional bounds.
int RandomInt(Generator& g, double lo, double hi);

// Floor modulo: the result lies in 0..n-1 for every v.
inline int WrapIndex(int v, int n) {
  int m = v % n;
  return m < 0 ? m + n : m;
}

// How many cells of the 5x5 (7x7) block around (x, y), centre included and wrapped
// round the map edges, hold class c1, c2 or c3 in TerrainLayerA.
int CountClassNear5(const Generator& g, int x, int y, int c1, int c2, int c3);
int CountClassNear7(const Generator& g, int x, int y, int c1, int c2, int c3);

double SliderFactor(int level);
double DensityFactor(int level);
void ClampToInterior(int& v, int size);
bool CancelRequested(Generator& g);

void SetCellClass(Generator& g, int x, int y, int c);
void ResetCell(Generator& g, int x, int y, int c);
std::pair<int, int> MirrorCell(const Generator& g, int x, int y);

// The mirror of the cell at offset (dx, dy) from (x, y), wrapped into the map.
inline std::pair<int, int> WrappedMirror(const Generator& g, int x, int y, int dx, int dy) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  return {WrapIndex(w - (x + dx), w), WrapIndex(h - (y + dy), h)};
}

// Writes one layer of a vertex and, on a symmetric base, of its mirror cell, which for
// x = 0 or y = 0 lies just outside the map.
inline void WriteMirrored(Generator& g, int x, int y, int layer, std::uint8_t value) {
  g.grid(x, y, layer) = value;
  if (IsSymmetric(g.run)) g.grid(g.run.MapWidth - x, g.run.MapHeight - y, layer) = value;
}

// SetCellClass at (x, y) and, on a symmetric base, at its mirror cell.
void SetCellClassMirrored(Generator& g, int x, int y, int c);

// Reseeds from the front end's clock, when it has one.
void ReseedFromClock(Generator& g);

}  // namespace swd
