#include <gtest/gtest.h>

#include <algorithm>

#include "model/setting_table.hpp"
#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

// 0 coal, 1 iron, 2 gold, 3 granite; -1 for anything else.
int KindOf(int v) {
  for (int k = 0; k < 4; ++k)
    if (v >= 68 + 8 * k && v <= 71 + 8 * k) return k;
  return -1;
}

int WithResource(const StepFixture& f) {
  return f.Count(ResourceLayer, [](int v) { return v != 0; });
}

// Ranges of the given lengths on open land, which the fill leaves alone; each list holds
// one point more than its length.
std::unique_ptr<StepFixture> Veins(ResourceShareSet shares, std::vector<int> lengths,
                                   bool extended = true) {
  auto f = std::make_unique<StepFixture>();
  f->g->run.CheckErwEinst = extended;
  // As the run derives them from what the user chose.
  GeneratorSettings chosen;
  chosen.CheckErwEinst = extended;
  chosen.ResourceShares = shares;
  f->g->run.ResourceShares = EffectiveSettings(chosen).ResourceShares;
  RangePointList& list = f->g->ranges;
  for (int n : lengths) {
    const int r = ++list.count;
    list.lengths[r] = n;
    for (int i = 1; i <= n + 1; ++i)
      list.Point(r, i) = {static_cast<std::int16_t>((i - 1) % 32),
                          static_cast<std::int16_t>((6 * r + 2 * ((i - 1) / 32)) % 32)};
  }
  PlaceResources(*f->g);
  return f;
}

// Sorted lengths of the runs of one kind along range r.
std::vector<int> Stretches(const StepFixture& f, int r) {
  std::vector<int> runs;
  int last = -2;
  for (int i = 1; i <= f.g->ranges.lengths[r]; ++i) {
    const GridPoint p = f.g->ranges.Point(r, i);
    const int k = KindOf(f.At(p.x, p.y, ResourceLayer));
    EXPECT_GE(k, 0) << i;
    if (k != last) runs.push_back(0);
    ++runs.back();
    last = k;
  }
  std::sort(runs.begin(), runs.end());
  return runs;
}

TEST(PlaceResources, VeinsFollowTheSharesTheClampAndTheRangeEnd) {
  // Without the extended pages the default shares count: 22 coal, 11 iron, 6 gold, 2 granite.
  auto f = Veins({0, 0, 100, 0}, {40, 41}, false);
  EXPECT_EQ(f->g->run.ResourceShares, GeneratorSettings{}.ResourceShares);
  EXPECT_EQ(WithResource(*f), 41);
  EXPECT_EQ(Stretches(*f, 2), (std::vector<int>{2, 6, 11, 22}));
  EXPECT_EQ(f->host.statuses.front(), "Füge Schätze ein");
  // 11 each for 42 points: coal, then iron give up a point.
  EXPECT_EQ(Stretches(*Veins({25, 25, 25, 25}, {42}), 1), (std::vector<int>{10, 10, 11, 11}));
  // No coal or iron to shorten: 21 + 21 for 41 points, and point 42 is never written.
  auto cut = Veins({0, 50, 50, 0}, {41});
  EXPECT_EQ(Stretches(*cut, 1), (std::vector<int>{20, 21}));
  EXPECT_EQ(WithResource(*cut), 41);
  EXPECT_EQ(WithResource(*Veins({}, std::vector<int>(290, 41))), 0);
}

TEST(PlaceResources, TheFillFollowsItsNeighboursAndOtherwiseTheShares) {
  StepFixture f;
  f.SetClass(10, 10, 7);  // two coal and two gold around: gold
  for (auto [x, y, v] : {std::tuple{9, 9, 70}, {10, 9, 65}, {11, 9, 84}, {9, 10, 81}})
    f.g->grid(x, y, ResourceLayer) = static_cast<std::uint8_t>(v);
  f.SetClass(20, 10, 7);  // one granite: granite
  f.g->grid(21, 11, ResourceLayer) = 93;
  PlaceResources(*f.g);
  EXPECT_EQ(KindOf(f.At(10, 10, ResourceLayer)), 2);
  EXPECT_EQ(KindOf(f.At(20, 10, ResourceLayer)), 3);

  // Coal only: isolated mountain cells become coal, or gold for the draw 0.
  StepFixture coal(64, 64);
  coal.g->run.CheckErwEinst = true;
  coal.g->run.ResourceShares = {100, 0, 0, 0};
  for (int y = 0; y < 64; y += 2)
    for (int x = 0; x < 64; x += 2)
      coal.SetClass(x, y, 7);
  PlaceResources(*coal.g);
  const int coal_cells = coal.Count(ResourceLayer, [](int v) { return KindOf(v) == 0; });
  EXPECT_EQ(coal_cells + coal.Count(ResourceLayer, [](int v) { return KindOf(v) == 2; }), 1024);
  EXPECT_GT(coal_cells, 1024 * 9 / 10);
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
