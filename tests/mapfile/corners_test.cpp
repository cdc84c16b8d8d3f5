#include <gtest/gtest.h>

#include "mapfile/mapfile_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

// Game codes on a 16 x 16 map: both layers water, unless a case sets them.
struct CornerMap : StepFixture {
  CornerMap() : StepFixture(16, 16, Gruenland, 5) {}
  void A(int x, int y, int code) { g->grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(code); }
  void B(int x, int y, int code) { g->grid(x, y, TerrainLayerB) = static_cast<std::uint8_t>(code); }
};

TEST(SmoothCorners, FirstTrianglesTakeTheirNeighboursByRowParityAndRuleTwoWins) {
  // Even row 2: P = B(x-1, y), Q = B(x, y), R = B(x-1, y+1).
  CornerMap even;
  even.B(3, 2, 8);
  even.B(4, 2, 9);
  even.B(3, 3, 10);
  SmoothCorners1(*even.g);
  EXPECT_EQ(even.At(4, 2, TerrainLayerA), 9);  // both rules apply, the second wins
  EXPECT_EQ(even.host.statuses.front(), "Winkel ausbügeln");

  // Odd row 3: R = B(x, y+1); with Q water only rule 1 applies and T takes P.
  CornerMap odd;
  odd.B(3, 3, 8);
  odd.B(4, 4, 10);
  SmoothCorners1(*odd.g);
  EXPECT_EQ(odd.At(4, 3, TerrainLayerA), 8);

  // Swamp in R is no land: the water triangle stays.
  CornerMap swamp;
  swamp.B(3, 2, 8);
  swamp.B(4, 2, 9);
  swamp.B(3, 3, 3);
  SmoothCorners1(*swamp.g);
  EXPECT_EQ(swamp.At(4, 2, TerrainLayerA), 5);
}

TEST(SmoothCorners, SecondTrianglesUseTheirOwnNeighboursAndRules) {
  // Even row 2: P = A(x, y-1), Q = A(x, y), R = A(x+1, y); P and Q give P.
  CornerMap even;
  even.A(4, 1, 8);
  even.A(4, 2, 9);
  SmoothCorners2(*even.g);
  EXPECT_EQ(even.At(4, 2, TerrainLayerB), 8);
  // Odd row 3: P = A(x+1, y-1); P and R give R.
  CornerMap odd;
  odd.A(5, 2, 8);
  odd.A(5, 3, 10);
  SmoothCorners2(*odd.g);
  EXPECT_EQ(odd.At(4, 3, TerrainLayerB), 10);
  EXPECT_EQ(odd.At(4, 2, TerrainLayerB), 5);  // A(4, 1) is water: no pair is good
}

TEST(SmoothCorners, CodeTwoCompletionRunsOnEveryTriangleButCodeTwo) {
  CornerMap m;
  m.FillLayer(TerrainLayerA, 15);
  m.B(3, 2, 2);
  m.B(3, 3, 2);
  SmoothCorners3(*m.g);
  EXPECT_EQ(m.At(4, 2, TerrainLayerA), 2);   // meadow between two code-2 triangles
  EXPECT_EQ(m.At(5, 2, TerrainLayerA), 15);  // only one code-2 neighbour
  m.FillLayer(TerrainLayerB, 14);
  m.A(4, 1, 2);
  m.A(5, 2, 2);
  SmoothCorners4(*m.g);
  EXPECT_EQ(m.At(4, 2, TerrainLayerB), 2);  // P and R: rule 2 takes R
}

TEST(SmoothCorners, TheOutermostRowsAndColumnsAreNeverTouched) {
  CornerMap m;
  m.FillLayer(TerrainLayerB, 8);
  SmoothCorners1(*m.g);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(m.At(i, 0, TerrainLayerA), 5);
    EXPECT_EQ(m.At(i, 15, TerrainLayerA), 5);
    EXPECT_EQ(m.At(0, i, TerrainLayerA), 5);
    EXPECT_EQ(m.At(15, i, TerrainLayerA), 5);
  }
  EXPECT_EQ(m.Count(TerrainLayerA, [](int c) { return c == 8; }), 14 * 14);
}

TEST(FillEmptyData, AResourceVertexMakesItsSixTrianglesMountainAcrossTheWrap) {
  CornerMap m;
  m.FillLayer(TerrainLayerA, 15);
  m.FillLayer(TerrainLayerB, 15);
  m.g->grid(0, 0, ResourceLayer) = 70;
  m.A(0, 15, 12);  // A(x, y-1) is already mountain and keeps its code
  const auto draws = m.g->rng.Draws();
  FillEmptyData(*m.g);
  EXPECT_EQ(m.g->rng.Draws() - draws, 5u);
  for (auto [layer, x, y] : {std::tuple{TerrainLayerA, 15, 15},
                             {TerrainLayerB, 15, 15},
                             {TerrainLayerB, 15, 0},
                             {TerrainLayerA, 0, 0},
                             {TerrainLayerB, 0, 0}}) {
    SCOPED_TRACE(::testing::Message() << layer << " " << x << " " << y);
    EXPECT_GE(m.At(x, y, layer), 11);
    EXPECT_LE(m.At(x, y, layer), 13);
  }
  EXPECT_EQ(m.At(0, 15, TerrainLayerA), 12);
  EXPECT_EQ(m.At(1, 15, TerrainLayerA), 15);
  EXPECT_EQ(m.At(0, 0, ResourceLayer), 70);
  EXPECT_EQ(m.At(0, 0, FillLayer13), 1);

  // Odd row: A(x, y-1), B(x, y-1), A(x+1, y-1), B(x-1, y), A(x, y), B(x, y).
  CornerMap odd;
  odd.FillLayer(TerrainLayerA, 15);
  odd.FillLayer(TerrainLayerB, 15);
  odd.g->grid(4, 3, ResourceLayer) = 90;
  FillEmptyData(*odd.g);
  EXPECT_EQ(odd.Count(TerrainLayerA, [](int c) { return c != 15; }), 3);
  EXPECT_GE(odd.At(5, 2, TerrainLayerA), 11);
  EXPECT_GE(odd.At(3, 3, TerrainLayerB), 11);
  EXPECT_EQ(odd.At(3, 2, TerrainLayerA), 15);
}

TEST(FillEmptyData, FillsResourcesAndLayerThirteenFromTheTerrainCode) {
  CornerMap m;
  const int codes[] = {5, 14, 2, 15, 0, 18, 16, 4};
  for (int x = 0; x < 8; ++x)
    m.A(x, 0, codes[x]);
  m.g->grid(7, 0, FillLayer13) = 9;  // set already: kept
  FillEmptyData(*m.g);
  const int resource[] = {135, 32, 0, 33, 33, 0, 0, 0};
  const int fill[] = {0, 1, 254, 1, 1, 1, 0, 9};
  for (int x = 0; x < 8; ++x) {
    SCOPED_TRACE(codes[x]);
    EXPECT_EQ(m.At(x, 0, ResourceLayer), resource[x]);
    EXPECT_EQ(m.At(x, 0, FillLayer13), fill[x]);
  }
  EXPECT_EQ(m.host.statuses.back(), "");
}

TEST(FillEmptyData, AHeldCancelKeyStopsAfterTheColumn) {
  CornerMap m;
  m.host.cancel_after = 0;
  FillEmptyData(*m.g);
  EXPECT_EQ(m.At(0, 15, ResourceLayer), 135);
  EXPECT_EQ(m.At(1, 0, ResourceLayer), 0);
  EXPECT_EQ(m.host.statuses.back(), "Auffüllen leerer Daten");
}

}  // namespace
}  // namespace swd
