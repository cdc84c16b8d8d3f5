#include <cmath>

#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "objects/decoration_table.hpp"
#include "objects/object_cells.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

// A shore cell has a cell of another class in its 3 x 3 block.
bool IsShore(const Generator& g, int x, int y, int c) {
  return CountClassInBlock(g, x, y, 1, c, c, c) < 9;
}

void WriteObject(Generator& g, int x, int y, int number, std::uint8_t type, bool mirrored) {
  ForCellAndMirror(g, x, y, mirrored, [&](int cx, int cy) {
    g.grid(cx, cy, ObjectIndexLayer) = static_cast<std::uint8_t>(number);
    g.grid(cx, cy, ObjectTypeLayer) = type;
  });
}

// A candidate cell draws a number in the class's range, and the member's band table turns
// it into an object or into nothing.
void DecorateCell(Generator& g, const DecorationMember& m, int x, int y, double range,
                  bool mirrored) {
  const int h = RandomInt(g, 0.0, range);
  const DecorationBand* band = FindBand(m.bands, h);
  if (band == nullptr) {
    WriteObject(g, x, y, 0, 0, mirrored);
  } else if (band->kind == DecorationBand::Tree) {
    PlantTree(g, x, y, band->type, band->first, band->last, mirrored);
  } else {
    const int number = band->kind == DecorationBand::DrawnObject
                           ? RandomInt(g, band->first, band->last)
                           : band->first;
    WriteObject(g, x, y, number, band->type != 0 ? band->type : m.decoration_type, mirrored);
  }
}

// The one algorithm of every member: each candidate cell of the class is decorated, the
// others are passed over. A wider range leaves more cells empty.
void Decorate(Generator& g, const DecorationMember& m) {
  const int type = g.run.LandscapeType;
  if (type > 2 || (m.types & TypeBit(type)) == 0) return;
  const int c = m.terrain_class;
  AmountTables& a = g.amounts;
  const double f = DensityFactor(g.run.Slider3[c]);
  a.DecorationRange[c] = std::floor(
      a.DecorationBaseRange[c] + f * (a.DecorationBaseRange[c] - a.DecorationDenseRange[c]) + 0.5);
  const bool half = m.rows == DecorationMember::HalfAndMirror;
  const bool mirrored = half && g.run.symmetric;
  const bool shores_only = m.extra == DecorationMember::ShoreCellsOnly;
  const SweepPlan plan = half ? WorkingPass(g) : WholeMapByColumns(g);
  // Most cells are passed over: the test stays small, so that the sweep runs it in its loop.
  SweepStep(g, m.status[type], plan.ReportMapShare(), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != c || g.grid(x, y, PropertyLayer) == kOccupied) return;
    if (shores_only && !IsShore(g, x, y, c)) return;
    DecorateCell(g, m, x, y, a.DecorationRange[c], mirrored);
  });
}

}  // namespace

void DecorateMountainMeadows(Generator& g) {
  Decorate(g, MemberOf(Decoration::MountainMeadows));
}
void DecorateSavannas(Generator& g) {
  Decorate(g, MemberOf(Decoration::Savannas));
}
void DecorateSteppe(Generator& g) {
  Decorate(g, MemberOf(Decoration::Steppe));
}
void DecorateWastelandA(Generator& g) {
  Decorate(g, MemberOf(Decoration::WastelandA));
}
void DecorateSwamps(Generator& g) {
  Decorate(g, MemberOf(Decoration::Swamps));
}
void DecorateLava(Generator& g) {
  Decorate(g, MemberOf(Decoration::Lava));
}
void DecorateShores(Generator& g) {
  Decorate(g, MemberOf(Decoration::Shores));
}
void DecorateMeadows(Generator& g) {
  Decorate(g, MemberOf(Decoration::Meadows));
}
void DecoratePastures(Generator& g) {
  Decorate(g, MemberOf(Decoration::Pastures));
}
void DecorateTundra(Generator& g) {
  Decorate(g, MemberOf(Decoration::Tundra));
}
void DecorateDeserts(Generator& g) {
  Decorate(g, MemberOf(Decoration::Deserts));
}
void DecorateWastelandB(Generator& g) {
  Decorate(g, MemberOf(Decoration::WastelandB));
}
void DecorateMountainsLate(Generator& g) {
  Decorate(g, MemberOf(Decoration::MountainsLate));
}

}  // namespace swd
