#include "model/primitives.hpp"

#include <cmath>

namespace swd {

namespace {
// A whole number that the integer form of RandomInt takes.
bool IsSmallWhole(double v) {
  return v > -kWholeDrawBound && v < kWholeDrawBound && v == std::floor(v);
}
}  // namespace

int RandomInt(Generator& g, double lo, double hi) {
  // Whole bounds, as the decoration ranges and region sizes have, take the integer form.
  if (IsSmallWhole(lo) && IsSmallWhole(hi)) {
    return RandomInt(g, static_cast<int>(lo), static_cast<int>(hi));
  }
  const double r = g.rng.Next();
  return static_cast<int>(std::floor(lo + r * (hi - lo + 1)));
}

namespace {
int CountClassNear(const Generator& g, RingSpan block, int x, int y, int c1, int c2, int c3) {
  return CountInLayer(g, x, y, block, TerrainLayerA,
                      [&](int k) { return k == c1 || k == c2 || k == c3; });
}
}  // namespace

int CountClassNear5(const Generator& g, int x, int y, int c1, int c2, int c3) {
  return CountClassNear(g, kBlock5, x, y, c1, c2, c3);
}

int CountClassNear7(const Generator& g, int x, int y, int c1, int c2, int c3) {
  return CountClassNear(g, kBlock7, x, y, c1, c2, c3);
}

double SliderFactor(int level) {
  return std::exp((level - 5) / 3.2);
}

double DensityFactor(int level) {
  static constexpr double kTable[11] = {200, 60, 15, 4, 1, 0, -0.2, -0.4, -0.6, -0.8, -1};
  return level >= 0 && level <= 10 ? kTable[level] : 0;
}

void ClampToInterior(int& v, int size) {
  if (v < 5) v = 5;
  if (v > size - 6) v = size - 6;
}

bool CancelRequested(Generator& g) {
  return g.host->CancelKeyHeld();
}

void SetCellClass(Generator& g, int x, int y, int c) {
  g.grid(x, y, HeightLayer) = g.tables.ClassBaseHeight[c];
  g.grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(c);
  g.grid(x, y, TerrainLayerB) = static_cast<std::uint8_t>(c);
  g.grid(x, y, PropertyLayer) = g.tables.ClassPropertyCode[c];
  g.preview.Set(x, y, g.tables.ClassPreviewColour[c]);
}

void ResetCell(Generator& g, int x, int y, int c) {
  SetCellClass(g, x, y, c);
  for (int layer : {ReservedLayer3, ObjectIndexLayer, ObjectTypeLayer, AnimalLayer, ReservedLayer7,
                    ReservedLayer10, ResourceLayer, FillLayer13}) {
    g.grid(x, y, layer) = 0;
  }
  g.grid(x, y, AuxLayer9) = 7;
  g.grid(x, y, AuxLayer12) = 64;
}

void SetCellClassMirrored(Generator& g, int x, int y, int c) {
  ForCellAndMirror(g, x, y, [&](int cx, int cy) { SetCellClass(g, cx, cy, c); });
}

void ReseedFromClock(Generator& g) {
  if (const auto seed = g.host->ClockSeed()) g.rng.Seed(*seed);
}

}  // namespace swd
