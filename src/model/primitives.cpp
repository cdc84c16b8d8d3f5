#include "model/primitives.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "model/cell_words.hpp"

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

// The block counts are the most frequent questions of a run (the region and granite tests,
// the height relief). Away from the edges a block's row lies in one row of the layer, and
// its cells are compared at once as the bytes of one word.
int CountClassInRows(const Generator& g, int x, int y, int reach, int c1, int c2, int c3) {
  const int side = 2 * reach + 1;
  const std::uint64_t lanes = FirstCells(side);
  const std::uint8_t* row =
      g.grid.Plane(TerrainLayerA) + (x - reach) + std::ptrdiff_t{kGridSide} * (y - reach);
  std::uint64_t ones = 0;  // per byte: the matches of that column so far, at most 7
  for (int i = 0; i < side; ++i, row += kGridSide) {
    const std::uint64_t cells = LoadEightCells(row);
    const auto k = [](int c) { return static_cast<std::uint8_t>(c); };
    ones +=
        (CellsEqual(cells, k(c1)) | CellsEqual(cells, k(c2)) | CellsEqual(cells, k(c3))) & lanes;
  }
  return SumOfCells(ones);
}

constexpr RingSpan kBlocks[] = {kBlock3, kBlock3, kBlock5, kBlock7};

}  // namespace

int CountClassInBlock(const Generator& g, int x, int y, int reach, int c1, int c2, int c3) {
  const RingSpan block = kBlocks[reach];
  const auto is_byte = [](int c) { return c >= 0 && c <= 255; };
  if (RingInside(g, x, y, block) && is_byte(c1) && is_byte(c2) && is_byte(c3)) {
    return CountClassInRows(g, x, y, reach, c1, c2, c3);
  }
  return CountNeighbours(g, x, y, block, [&](int nx, int ny) {
    const int k = g.grid(nx, ny, TerrainLayerA);
    return k == c1 || k == c2 || k == c3;
  });
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

namespace {
struct LayerReset {
  int layer;
  std::uint8_t value;
};
constexpr LayerReset kObjectLayerResets[] = {
    {ReservedLayer3, 0}, {ObjectIndexLayer, 0}, {ObjectTypeLayer, 0}, {AnimalLayer, 0},
    {ReservedLayer7, 0}, {ReservedLayer10, 0},  {ResourceLayer, 0},   {FillLayer13, 0},
    {AuxLayer9, 7},      {AuxLayer12, 64}};
}  // namespace

void ResetCell(Generator& g, int x, int y, int c) {
  SetCellClass(g, x, y, c);
  ResetObjectLayers(g, x, x, y, y);
}

void ResetObjectLayers(Generator& g, int x0, int x1, int y0, int y1) {
  for (const LayerReset& r : kObjectLayerResets) {
    for (int y = y0; y <= y1; ++y) {
      std::uint8_t* row = &g.grid(x0, y, r.layer);
      std::fill(row, row + (x1 - x0 + 1), r.value);
    }
  }
}

void SetCellClassMirrored(Generator& g, int x, int y, int c) {
  ForCellAndMirror(g, x, y, [&](int cx, int cy) { SetCellClass(g, cx, cy, c); });
}

void ReseedFromClock(Generator& g) {
  if (const auto seed = g.host->ClockSeed()) g.rng.Seed(*seed);
}

}  // namespace swd
