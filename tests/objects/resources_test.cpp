#include <gtest/gtest.h>

#include <algorithm>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

// Kind of a resource value: 0 coal, 1 iron, 2 gold, 3 granite; -1 for anything else.
int KindOf(int v) {
  for (int k = 0; k < 4; ++k)
    if (v >= 68 + 8 * k && v <= 71 + 8 * k) return k;
  return -1;
}

// A range of n points along rows 0, 2, 4, ... of open land, which the fill leaves alone.
void AddRange(Generator& g, int n, int first_row = 0) {
  const int r = ++g.ranges.count;
  g.ranges.lengths[r] = n;
  for (int i = 1; i <= n + 1; ++i) {
    g.ranges.Point(r, i) = {static_cast<std::int16_t>((i - 1) % 32),
                            static_cast<std::int16_t>(first_row + 2 * ((i - 1) / 32))};
  }
}

// Lengths of the runs of equal kinds along range r, in the order laid.
std::vector<int> Stretches(const StepFixture& f, int r, int n) {
  std::vector<int> runs;
  int last = -2;
  for (int i = 1; i <= n; ++i) {
    const GridPoint p = f.g->ranges.Point(r, i);
    const int k = KindOf(f.At(p.x, p.y, ResourceLayer));
    EXPECT_GE(k, 0) << i;
    if (k != last) runs.push_back(0);
    ++runs.back();
    last = k;
  }
  return runs;
}

TEST(PlaceResources, VeinsFollowTheSharesFromFortyOnePointsOn) {
  StepFixture f;
  f.g->run.ResourceShares = {0, 0, 100, 0};  // ignored without the extended pages
  AddRange(*f.g, 40, 0);
  AddRange(*f.g, 41, 10);
  PlaceResources(*f.g);
  EXPECT_EQ(f.g->run.ResourceShares, ResourceShareSet{});
  EXPECT_EQ(f.Count(ResourceLayer, [](int v) { return v != 0; }), 41);
  auto runs = Stretches(f, 2, 41);
  std::sort(runs.begin(), runs.end());
  EXPECT_EQ(runs, (std::vector<int>{2, 6, 11, 22}));  // granite, gold, iron, coal
  EXPECT_EQ(f.host.statuses.front(), "Füge Schätze ein");

  StepFixture many;
  for (int r = 0; r < 290; ++r)
    AddRange(*many.g, 41);
  PlaceResources(*many.g);
  EXPECT_EQ(many.Count(ResourceLayer, [](int v) { return v != 0; }), 0);
}

TEST(PlaceResources, TheClampTakesCoalAndIronInTurnAndNeverRunsPastTheRange) {
  StepFixture f;
  f.g->run.CheckErwEinst = true;
  f.g->run.ResourceShares = {25, 25, 25, 25};
  AddRange(*f.g, 42);  // 11 each: coal and iron give up one point each
  PlaceResources(*f.g);
  auto runs = Stretches(f, 1, 42);
  std::sort(runs.begin(), runs.end());
  EXPECT_EQ(runs, (std::vector<int>{10, 10, 11, 11}));

  // Without coal and iron the lengths stay 21 and 21 for 41 points: the last is cut.
  StepFixture cut;
  cut.g->run.CheckErwEinst = true;
  cut.g->run.ResourceShares = {0, 50, 50, 0};
  AddRange(*cut.g, 41);
  PlaceResources(*cut.g);
  runs = Stretches(cut, 1, 41);
  std::sort(runs.begin(), runs.end());
  EXPECT_EQ(runs, (std::vector<int>{20, 21}));
  const GridPoint beyond = cut.g->ranges.Point(1, 42);
  EXPECT_EQ(cut.At(beyond.x, beyond.y, ResourceLayer), 0);
}

TEST(PlaceResources, TheFillFollowsItsNeighboursAndOtherwiseTheShares) {
  StepFixture f;
  f.SetClass(10, 10, 7);
  f.g->grid(9, 9, ResourceLayer) = 70;
  f.g->grid(10, 9, ResourceLayer) = 65;
  f.g->grid(11, 9, ResourceLayer) = 84;
  f.g->grid(9, 10, ResourceLayer) = 81;
  f.SetClass(20, 10, 7);
  f.g->grid(21, 11, ResourceLayer) = 93;
  PlaceResources(*f.g);
  EXPECT_EQ(KindOf(f.At(10, 10, ResourceLayer)), 2);  // two coal, two gold: gold
  EXPECT_EQ(KindOf(f.At(20, 10, ResourceLayer)), 3);  // one granite: granite

  // Coal only: isolated mountain cells become coal, or gold for the draw 0.
  StepFixture coal(64, 64);
  coal.g->run.CheckErwEinst = true;
  coal.g->run.ResourceShares = {100, 0, 0, 0};
  for (int y = 0; y < 64; y += 2)
    for (int x = 0; x < 64; x += 2)
      coal.SetClass(x, y, 7);
  PlaceResources(*coal.g);
  const int coal_cells = coal.Count(ResourceLayer, [](int v) { return KindOf(v) == 0; });
  const int gold_cells = coal.Count(ResourceLayer, [](int v) { return KindOf(v) == 2; });
  EXPECT_EQ(coal_cells + gold_cells, 32 * 32);
  EXPECT_GT(coal_cells, 32 * 32 * 9 / 10);
}

TEST(PlaceResources, SymmetricMapsFillTheUpperHalfAndMirrorIt) {
  StepFixture f(32, 32, Gruenland, 7);
  f.MakeSymmetric();
  PlaceResources(*f.g);
  for (int y = 1; y < 32; ++y)
    for (int x = 1; x < 32; ++x) {
      ASSERT_GE(KindOf(f.At(x, y, ResourceLayer)), 0);
      ASSERT_EQ(f.At(x, y, ResourceLayer), f.At(32 - x, 32 - y, ResourceLayer));
    }
  EXPECT_EQ(f.At(32, 16, ResourceLayer), f.At(0, 16, ResourceLayer));  // mirror of column 0
}

}  // namespace
}  // namespace swd
