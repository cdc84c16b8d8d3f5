#include <gtest/gtest.h>

#include <tuple>

#include "mapfile/mapfile_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;
using Cell = std::tuple<int, int, int, int>;  // layer, x, y, code

// A 16 x 16 map of game codes: both layers `fill` but for the cells set.
struct CodeMap : StepFixture {
  explicit CodeMap(int fill = 5, std::initializer_list<Cell> cells = {})
      : StepFixture(16, 16, Gruenland, fill) {
    for (auto [layer, x, y, code] : cells)
      g->grid(x, y, layer) = static_cast<std::uint8_t>(code);
  }
};

constexpr int A = TerrainLayerA, B = TerrainLayerB;

TEST(SmoothCorners, EachStepReadsItsNeighboursByRowParityAndRuleTwoWins) {
  struct Case {
    void (*step)(Generator&);
    int fill;
    std::vector<Cell> cells;
    Cell expect;
  };
  const Case cases[] = {
      // Even row: P = B(x-1, y), Q = B(x, y), R = B(x-1, y+1); both rules apply.
      {SmoothCorners1, 5, {{B, 3, 2, 8}, {B, 4, 2, 9}, {B, 3, 3, 10}}, {A, 4, 2, 9}},
      // Odd row: R = B(x, y+1); Q is water, so rule 1 gives P.
      {SmoothCorners1, 5, {{B, 3, 3, 8}, {B, 4, 4, 10}}, {A, 4, 3, 8}},
      // Swamp in R counts as no land.
      {SmoothCorners1, 5, {{B, 3, 2, 8}, {B, 4, 2, 9}, {B, 3, 3, 3}}, {A, 4, 2, 5}},
      // Even row: P = A(x, y-1), Q = A(x, y); P and Q give P.
      {SmoothCorners2, 5, {{A, 4, 1, 8}, {A, 4, 2, 9}}, {B, 4, 2, 8}},
      // Odd row: P = A(x+1, y-1), R = A(x+1, y); P and R give R.
      {SmoothCorners2, 5, {{A, 5, 2, 8}, {A, 5, 3, 10}}, {B, 4, 3, 10}},
      {SmoothCorners3, 15, {{B, 3, 2, 2}, {B, 3, 3, 2}}, {A, 4, 2, 2}},
      {SmoothCorners3, 15, {{B, 3, 2, 2}}, {A, 4, 2, 15}},
      {SmoothCorners4, 14, {{A, 4, 1, 2}, {A, 5, 2, 2}}, {B, 4, 2, 2}},
  };
  for (const Case& c : cases) {
    CodeMap m(c.fill);
    for (auto [layer, x, y, code] : c.cells)
      m.g->grid(x, y, layer) = static_cast<std::uint8_t>(code);
    c.step(*m.g);
    auto [layer, x, y, code] = c.expect;
    EXPECT_EQ(m.At(x, y, layer), code) << &c - cases;
    EXPECT_EQ(m.host.statuses.front(), "Winkel ausbügeln");
  }
}

TEST(SmoothCorners, TheOutermostRowsAndColumnsAreNeverTouched) {
  CodeMap m;
  m.FillLayer(B, 8);
  SmoothCorners1(*m.g);
  EXPECT_EQ(m.Count(A, [](int c) { return c == 8; }), 14 * 14);
  for (int i = 0; i < 16; ++i)
    EXPECT_TRUE(m.At(i, 0, A) == 5 && m.At(i, 15, A) == 5 && m.At(0, i, A) == 5 &&
                m.At(15, i, A) == 5);
}

TEST(FillEmptyData, AResourceVertexMakesItsSixTrianglesMountainAcrossTheWrap) {
  // Even row at (0, 0): A and B of (15, 15), A(0, 15), B(15, 0), A and B of (0, 0).
  CodeMap even(15, {{A, 0, 15, 12}});  // already mountain: kept, no draw
  even.g->grid(0, 0, ResourceLayer) = 70;
  FillEmptyData(*even.g);
  EXPECT_EQ(even.g->rng.Draws(), 5u);
  for (auto [layer, x, y] : {std::tuple{A, 15, 15}, {B, 15, 15}, {B, 15, 0}, {A, 0, 0}, {B, 0, 0}})
    EXPECT_TRUE(even.At(x, y, layer) >= 11 && even.At(x, y, layer) <= 13) << layer << x << y;
  EXPECT_EQ(even.At(0, 15, A), 12);
  EXPECT_EQ(even.At(0, 0, ResourceLayer), 70);
  EXPECT_EQ(even.At(0, 0, FillLayer13), 1);

  // Odd row at (4, 3): A(4, 2), B(4, 2), A(5, 2), B(3, 3), A(4, 3), B(4, 3).
  CodeMap odd(15);
  odd.g->grid(4, 3, ResourceLayer) = 90;
  FillEmptyData(*odd.g);
  EXPECT_EQ(odd.Count(A, [](int c) { return c != 15; }), 3);
  EXPECT_EQ(odd.Count(B, [](int c) { return c != 15; }), 3);
  EXPECT_TRUE(odd.At(5, 2, A) != 15 && odd.At(3, 3, B) != 15);
}

TEST(FillEmptyData, FillsResourcesAndLayerThirteenByCodeAndStopsOnCancel) {
  CodeMap m(5, {{A, 1, 0, 14}, {A, 2, 0, 2}, {A, 3, 0, 15}, {A, 4, 0, 18}, {A, 5, 0, 16}});
  m.g->grid(6, 0, FillLayer13) = 9;  // set already: kept
  m.host.cancel_after = 6;
  FillEmptyData(*m.g);
  const int resource[] = {135, 32, 0, 33, 0, 0, 135, 0};
  const int fill[] = {0, 1, 254, 1, 1, 0, 9, 0};
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(m.At(x, 0, ResourceLayer), resource[x]) << x;
    EXPECT_EQ(m.At(x, 0, FillLayer13), fill[x]) << x;
  }
  EXPECT_EQ(m.host.statuses.back(), "Auffüllen leerer Daten");  // left as it was
}

}  // namespace
}  // namespace swd
