#include <array>
#include <cmath>

#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "objects/column_pass.hpp"
#include "objects/object_cells.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

constexpr int kGranite = 11;  // entry of the amount tables and preview colour for granite
constexpr int kStartCellDraws = 300;

// Upper ends of the bands of a draw 0..100; band k gives size k + 1.
constexpr std::array<int, 6> kGraniteSizeBands{8, 20, 35, 53, 70, 100};

float Rounded(double v) {
  return static_cast<float>(std::floor(v + 0.5));
}

// Marks (x, y) and, on a symmetric map, the mirror cell (mx, my) as granite.
void PlaceGranite(Generator& g, int x, int y, int mx, int my) {
  const bool symmetric = IsSymmetric(g.run);
  const Rgb grey = g.tables.ClassPreviewColour[kGranite];
  g.grid(x, y, PropertyLayer) = kOccupied;
  g.preview.Set(x, y, grey);
  if (symmetric) {
    g.grid(mx, my, PropertyLayer) = kOccupied;
    g.preview.Set(mx, my, grey);
  }
  const auto size = static_cast<std::uint8_t>(GraniteSizeClass(g));
  g.grid(x, y, ObjectIndexLayer) = size;
  g.grid(x, y, ObjectTypeLayer) = static_cast<std::uint8_t>(204 + RandomInt(g, 0, 1));
  if (symmetric) {
    g.grid(mx, my, ObjectIndexLayer) = size;
    g.grid(mx, my, ObjectTypeLayer) = static_cast<std::uint8_t>(204 + RandomInt(g, 0, 1));
  }
}

// Granite grows on any ground but water, mountains and the classes 3 and 8, and never
// twice on one cell.
bool GraniteCanGrow(const Generator& g, int x, int y) {
  if (g.grid(x, y, PropertyLayer) == kOccupied) return false;
  const int c = g.grid(x, y, TerrainLayerA);
  return c != 1 && c != 3 && c != 7 && c != 8;
}

// A random walk that drops granite on every cell it can enter and steps back from the others.
void GrowLargeField(Generator& g) {
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  int x = 0;
  int y = 0;
  for (int draw = 1; draw <= kStartCellDraws; ++draw) {
    x = RandomInt(g, 0, w - 1);
    y = RandomInt(g, 0, h - 1);
    if (CountClassNear5(g, x, y, 7, 7, 7) == 0 && g.grid(x, y, PropertyLayer) != kOccupied) break;
  }
  const AmountTables& a = g.amounts;
  const int size = RandomInt(g, a.RegionMinSize[kGranite], a.RegionMaxSize[kGranite]);
  for (int j = 0; j <= size; ++j) {
    const int d = RandomInt(g, 0, 8);
    x = WrapIndex(x + RingOffsetX[d], w);
    y = WrapIndex(y + RingOffsetY[d], h);
    if (GraniteCanGrow(g, x, y)) {
      PlaceGranite(g, x, y, w - x, h - y);
    } else {
      x = WrapIndex(x - RingOffsetX[d], w);
      y = WrapIndex(y - RingOffsetY[d], h);
    }
  }
}

}  // namespace

int GraniteSizeClass(Generator& g) {
  const int t = RandomInt(g, 0, 100);
  int size = 1;
  while (size < 6 && t > kGraniteSizeBands[size - 1])
    ++size;
  return size;
}

void CreateLargeGranite(Generator& g) {
  BeginStep(g, "Erzeuge größere Granitvorkommen");
  AmountTables& a = g.amounts;
  const double count_factor = SliderFactor(g.run.SliderGrGranitAz);
  const double size_factor = SliderFactor(g.run.SliderGrGranitAus);
  a.RegionCount[kGranite] = std::max(Rounded(count_factor * a.RegionCountBase[kGranite]), 1.0f);
  a.RegionMinSize[kGranite] = Rounded(size_factor * a.RegionMinSizeBase[kGranite]);
  a.RegionMaxSize[kGranite] = Rounded(size_factor * a.RegionMaxSizeBase[kGranite]);
  if (IsSymmetric(g.run)) {
    for (float* v :
         {&a.RegionCount[kGranite], &a.RegionMinSize[kGranite], &a.RegionMaxSize[kGranite]}) {
      *v = std::floor(*v * 0.5f);
    }
  }
  const float count = a.RegionCount[kGranite];
  const int last = static_cast<int>(count);
  for (int i = 0; i <= last; ++i) {
    GrowLargeField(g);
    // The count is single precision, and so is the progress worked out from it. A halved
    // count of 0 still grows its one field, which is then the whole step.
    const float percent = static_cast<float>(i) / count * 100.0f + 0.5f;
    ReportProgress(g, count > 0 ? static_cast<int>(std::floor(percent)) : 100);
    if (CancelRequested(g)) return;
  }
  EndStep(g);
}

void CreateSmallGranite(Generator& g) {
  BeginStep(g, "Erzeuge kleinere Granitvorkommen");
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  const int last_row = g.run.RowLimit;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y <= last_row; ++y) {
      if (g.grid(x, y, TerrainLayerA) != 0) continue;
      const int n = CountClassNear5(g, x, y, 0, 4, 5);
      const int r = RandomInt(g, 0, 100);
      if (r >= g.run.SliderKlGranitAz || g.grid(x, y, PropertyLayer) == kOccupied || n != 25) {
        continue;
      }
      for (int j = 0; j <= 8; ++j) {
        const int d = RandomInt(g, 0, 9);
        const int dx = RingOffsetX[j];
        const int dy = RingOffsetY[j];
        const int tx = WrapIndex(x + dx, w);
        const int ty = WrapIndex(y + dy, h);
        if (d < g.run.SliderKlGranitAus && g.grid(tx, ty, PropertyLayer) != kOccupied) {
          const auto [mx, my] = WrappedMirror(g, x, y, dx, dy);
          PlaceGranite(g, tx, ty, mx, my);
        }
      }
    }
    ReportProgress(g, ColumnPercent(g, x, last_row));
    if (CancelRequested(g)) return;
  }
  EndStep(g);
}

}  // namespace swd
