#include <gtest/gtest.h>

#include <set>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

// A map of one class, the decoration ranges as the map-size tables give them, and every
// object layer at 77, so that untouched cells show.
struct DecoMap : StepFixture {
  DecoMap(int type, int fill, int w = 32) : StepFixture(w, w, type, fill) {
    g->amounts.DecorationDenseRange = {98, 39, 0, 59, 19, 73, 91, 33, 0, 47, 0, 0};
    g->amounts.DecorationBaseRange = {300, 150, 0, 150, 150, 150, 150, 150, 0, 150, 0, 0};
    FillLayer(ObjectIndexLayer, 77);
    FillLayer(ObjectTypeLayer, 77);
  }
  std::pair<int, int> Object(int x, int y) const {
    return {At(x, y, ObjectIndexLayer), At(x, y, ObjectTypeLayer)};
  }
  int Untouched() const {
    return Count(ObjectTypeLayer, [](int t) { return t == 77; });
  }
};

TEST(Decorations, TheSliderSetsTheRangeAndTheBandsTheObjects) {
  for (auto [level, range] : {std::pair{0, 40700.0}, {5, 300.0}, {10, 98.0}}) {
    DecoMap m(Gruenland, 0, 16);
    m.g->run.Slider3[0] = level;
    DecorateMeadows(*m.g);
    EXPECT_EQ(m.g->amounts.DecorationRange[0], range);
  }
  // At level 10 mountain meadows draw 0..47: only 0 and 1 leave a cell empty.
  DecoMap m(Gruenland, 9, 64);
  m.g->run.Slider3[9] = 10;
  m.g->grid(5, 5, PropertyLayer) = 104;  // occupied: no candidate
  DecorateMountainMeadows(*m.g);
  EXPECT_EQ(m.host.statuses.front(), "Verziere Bergwiesen");
  EXPECT_EQ(m.Untouched(), 1);
  const std::set<int> numbers{2, 3, 4, 35, 36, 37, 38, 39, 40, 41, 42, 14, 15, 19, 20};
  int empty = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const auto [n, t] = m.Object(x, y);
      empty += n == 0 && t == 0;
      ASSERT_TRUE((n == 0 && t == 0) || (t == 201 && numbers.count(n)) || t == 77) << n << " " << t;
    }
  EXPECT_TRUE(empty > 0 && empty < 64 * 64 / 10);
}

TEST(Decorations, TreeBandsOccupyTheCellAndDrawnNumbersStayInTheirBand) {
  const char* texts[] = {"Verziere Savannen", "Verziere Steppen", "Verziere Tundra"};
  for (int type = 0; type < 3; ++type) {
    DecoMap m(type, 4);
    m.g->run.Slider3[4] = 10;  // 0..19, all inside the tree band 0..22
    DecorateSavannas(*m.g);
    EXPECT_EQ(m.host.statuses.front(), texts[type]);
    EXPECT_EQ(m.Count(ObjectTypeLayer, [](int t) { return t == 197; }), 32 * 32);
    EXPECT_EQ(m.Count(ObjectIndexLayer, [](int n) { return n >= 176 && n <= 181; }), 32 * 32);
    EXPECT_EQ(m.Count(PropertyLayer, [](int p) { return p == 104; }), 32 * 32);
  }
  DecoMap lava(Oedland, 3);
  lava.g->amounts.DecorationBaseRange[3] = 40;  // every draw in the band 0..40
  DecorateLava(*lava.g);
  EXPECT_EQ(lava.Count(ObjectTypeLayer, [](int t) { return t == 200; }), 32 * 32);
  EXPECT_EQ(lava.Count(ObjectIndexLayer, [](int n) { return n >= 24 && n <= 30; }), 32 * 32);
  EXPECT_EQ(lava.Count(PropertyLayer, [](int p) { return p == 104; }), 0);
}

TEST(Decorations, ShoresAreWaterCellsNextToLandAndWinterlandHasNone) {
  for (auto [type, text] :
       {std::pair{Gruenland, "Verziere Wasserränder"}, {Oedland, "Verziere Moorränder"}}) {
    DecoMap m(type, 1);
    for (int y = 10; y <= 12; ++y)
      for (int x = 10; x <= 12; ++x)
        m.SetClass(x, y, 0);
    DecorateShores(*m.g);
    EXPECT_EQ(m.host.statuses.front(), text);
    EXPECT_EQ(m.Untouched(), 32 * 32 - (5 * 5 - 3 * 3));
    EXPECT_NE(m.Object(9, 9).second, 77);
  }
  DecoMap winter(Winterland, 1);
  winter.SetClass(3, 3, 0);
  DecorateShores(*winter.g);
  EXPECT_EQ(winter.Untouched(), 32 * 32);
}

TEST(Decorations, HalfMembersMirrorEveryWriteAndTheOthersScanAllRows) {
  for (int type : {Gruenland, Oedland}) {
    DecoMap m(type, 0);
    m.MakeSymmetric();
    m.g->run.Slider3[0] = 10;
    type == Gruenland ? DecorateMeadows(*m.g) : DecoratePastures(*m.g);
    for (int y = 0; y <= 32; ++y)
      for (int x = 1; x < 32; ++x) {
        // A tree's mirror draws its own number; everything else is copied.
        const auto here = m.Object(x, y), there = m.Object(32 - x, 32 - y);
        const bool tree = m.At(x, y, PropertyLayer) == 104;
        ASSERT_EQ(here.second, there.second) << x << " " << y;
        ASSERT_TRUE(tree || here.first == there.first);
        ASSERT_EQ(tree, m.At(32 - x, 32 - y, PropertyLayer) == 104);
      }
    EXPECT_EQ(m.Count(ObjectTypeLayer, [](int t) { return t == 200; }) > 0, type == Oedland);
  }
  DecoMap tundra(Winterland, 0);  // no half member: one draw per cell, no mirror
  tundra.MakeSymmetric();
  DecorateTundra(*tundra.g);
  EXPECT_EQ(tundra.g->rng.Draws(), 32u * 32u);
  EXPECT_EQ(tundra.Untouched(), 0);
}

}  // namespace
}  // namespace swd
