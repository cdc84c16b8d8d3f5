#include <array>
#include <cmath>

#include "model/primitives.hpp"
#include "model/random_walk.hpp"
#include "model/sweep.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

constexpr int kStartCellDraws = 300;

// Upper ends of the bands of a draw 0..100; band k gives size k + 1.
constexpr std::array<int, 6> kGraniteSizeBands{8, 20, 35, 53, 70, 100};

float Rounded(double v) {
  return static_cast<float>(std::floor(v + 0.5));
}

// Marks (x, y) and, on a symmetric map, the mirror cell (mx, my) as granite of one size
// with a type drawn for each.
void PlaceGranite(Generator& g, int x, int y, int mx, int my) {
  const auto at_both = [&](auto&& write) {
    write(x, y);
    if (g.run.symmetric) write(mx, my);
  };
  at_both([&](int cx, int cy) {
    g.grid(cx, cy, PropertyLayer) = kOccupied;
    g.preview.Set(cx, cy, g.tables.ClassPreviewColour[kGraniteEntry]);
  });
  const auto size = static_cast<std::uint8_t>(GraniteSizeClass(g));
  at_both([&](int cx, int cy) {
    g.grid(cx, cy, ObjectIndexLayer) = size;
    g.grid(cx, cy, ObjectTypeLayer) = static_cast<std::uint8_t>(204 + RandomInt(g, 0, 1));
  });
}

// Granite grows on any ground but water, mountains and the classes 3 and 8, and never
// twice on one cell.
bool GraniteCanGrow(const Generator& g, int x, int y) {
  if (g.grid(x, y, PropertyLayer) == kOccupied) return false;
  const int c = g.grid(x, y, TerrainLayerA);
  return c != Water && c != Swamp && c != Mountain && c != Snow;
}

// A random walk that drops granite on every cell it can enter and stays put before the
// others. Where no start away from the mountains turns up, it starts from the last draw.
void GrowLargeField(Generator& g) {
  const StartCell start = DrawStartCell(g, WholeMapWindow(g), kStartCellDraws, [&](int x, int y) {
    return CountClassNear5(g, x, y, Mountain, Mountain, Mountain) == 0 &&
           g.grid(x, y, PropertyLayer) != kOccupied;
  });
  const AmountTables& a = g.amounts;
  const int size = RandomInt(g, a.RegionMinSize[kGraniteEntry], a.RegionMaxSize[kGraniteEntry]);
  RandomWalk(
      g, start.x, start.y, size, WalkEdge::Wrap,
      [&](int x, int y) { return GraniteCanGrow(g, x, y); },
      [&](int x, int y) {
        const auto [mx, my] = MirrorCell(g, x, y);
        PlaceGranite(g, x, y, mx, my);
      });
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
  BeginStep(g, MessageKey::StatusCreateLargeGranite);
  AmountTables& a = g.amounts;
  const double count_factor = SliderFactor(g.run.SliderGrGranitAz);
  const double size_factor = SliderFactor(g.run.SliderGrGranitAus);
  a.RegionCount[kGraniteEntry] =
      std::max(Rounded(count_factor * a.RegionCountBase[kGraniteEntry]), 1.0f);
  a.RegionMinSize[kGraniteEntry] = Rounded(size_factor * a.RegionMinSizeBase[kGraniteEntry]);
  a.RegionMaxSize[kGraniteEntry] = Rounded(size_factor * a.RegionMaxSizeBase[kGraniteEntry]);
  if (g.run.symmetric) {
    for (float* v : {&a.RegionCount[kGraniteEntry], &a.RegionMinSize[kGraniteEntry],
                     &a.RegionMaxSize[kGraniteEntry]}) {
      *v = std::floor(*v * 0.5f);
    }
  }
  const float count = a.RegionCount[kGraniteEntry];
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
  SweepStep(g, MessageKey::StatusCreateSmallGranite, WorkingPass(g).ReportMapShare().StopOnCancel(),
            [&](int x, int y) {
              if (g.grid(x, y, TerrainLayerA) != OpenLand) return;
              const int r = RandomInt(g, 0, 100);
              // The block is counted only for the few cells the draw lets through: the draw
              // changes nothing the count reads.
              if (r >= g.run.SliderKlGranitAz || g.grid(x, y, PropertyLayer) == kOccupied ||
                  CountClassNear5(g, x, y, OpenLand, Savanna, Steppe) != 25) {
                return;
              }
              ForEachNeighbour(g, x, y, kBlock3, [&](const Neighbour& t) {
                const int d = RandomInt(g, 0, 9);
                if (d < g.run.SliderKlGranitAus && g.grid(t.x, t.y, PropertyLayer) != kOccupied) {
                  const auto [mx, my] = WrappedMirror(g, x, y, t);
                  PlaceGranite(g, t.x, t.y, mx, my);
                }
              });
            });
}

}  // namespace swd
