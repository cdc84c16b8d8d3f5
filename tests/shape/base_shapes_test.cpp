#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "objects/step_fixture.hpp"
#include "shape/shape_steps.hpp"

namespace swd {
namespace {

using test::StepFixture;

// A w x h fixture with the run values that "Insel" derives, every layer holding 99 first.
struct ShapeFixture : StepFixture {
  ShapeFixture(int w, int h, bool island = true, int type = Gruenland) : StepFixture(w, h, type) {
    for (int layer = 0; layer < kLayerCount; ++layer)
      FillLayer(layer, 99);
    auto& r = g->run;
    r.CheckInsel = island;
    r.MarginX = r.MarginY = island ? 5.0f : 0.0f;
    r.InnerWidth = static_cast<float>(island ? w - 6 : w);
    r.InnerHeight = static_cast<float>(island ? h - 6 : h);
  }
  void Shape(BaseShape shape) { g->run.shape = shape; }
  bool Land(int x, int y) const { return At(x, y, TerrainLayerA) != 1; }
  bool ResetAsLayerTable(int x, int y) const {
    return At(x, y, AuxLayer9) == 7 && At(x, y, AuxLayer12) == 64 && At(x, y, ResourceLayer) == 0 &&
           At(x, y, ObjectTypeLayer) == 0 && At(x, y, AnimalLayer) == 0 &&
           At(x, y, FillLayer13) == 0;
  }
};

TEST(BuildIsland, InselLeavesExactlyFiveWaterColumnsAndRowsAlongTheEdges) {
  for (auto [w, h] : {std::pair{128, 128}, {160, 96}}) {
    ShapeFixture f(w, h);
    BuildIsland(*f.g);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x <= w; ++x) {
        const bool water = x <= 4 || x >= w - 5 || y <= 4 || y >= h - 5;
        ASSERT_EQ(f.At(x, y, TerrainLayerA), water ? 1 : 0) << x << "," << y;
        ASSERT_EQ(f.At(x, y, HeightLayer), water ? 16 : 22);
        ASSERT_TRUE(f.ResetAsLayerTable(x, y));
      }
    EXPECT_EQ(f.At(3, h, TerrainLayerA), 99);  // the row below the map is not written
    EXPECT_EQ(f.host.progress.back(), 100);
    EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"Grundfläche wird geschaffen", ""}));
  }
  ShapeFixture open(64, 48, false);
  BuildIsland(*open.g);
  EXPECT_EQ(open.Count(TerrainLayerA, [](int c) { return c == 0; }), 64 * 48);
  EXPECT_EQ(open.At(64, 10, TerrainLayerA), 0);
  EXPECT_EQ(open.g->rng.Draws(), 0u);
}

TEST(BuildIsland, TheSymmetricIslandIsItsOwnPointMirrorIntoColumnWAndRowH) {
  ShapeFixture f(64, 48);
  f.MakeSymmetric();  // rows 0..24
  BuildIsland(*f.g);
  for (int y = 0; y <= 48; ++y)
    for (int x = 0; x <= 64; ++x) {
      ASSERT_EQ(f.At(x, y, TerrainLayerA), f.At(64 - x, 48 - y, TerrainLayerA)) << x << "," << y;
      ASSERT_TRUE(f.ResetAsLayerTable(x, y));
    }
  EXPECT_EQ(f.At(64, 48, TerrainLayerA), 1);  // mirror of (0, 0)
  // The mirror takes the class decided for its cell: column 5 is land, so column 59 is
  // land too below the middle row, where the plain island has water.
  EXPECT_EQ(f.At(59, 30, TerrainLayerA), 0);
  EXPECT_EQ(f.At(58, 10, TerrainLayerA), 0);
  EXPECT_EQ(f.At(59, 10, TerrainLayerA), 1);
}

double DistanceFromCentre(int x, int y, int w, int h) {
  return std::hypot(x - w / 2.0, y - h / 2.0);
}

TEST(BuildShapedBase, TheSquareSpiralStaysWithinItsRadiusAndEndsWithABeach) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    ShapeFixture f(128, 128);
    f.Shape(BaseShape::Spiral);
    f.g->rng.Seed(seed);
    BuildShapedBase(*f.g);
    int land = 0, beach = 0;
    for (int y = 0; y <= 128; ++y)
      for (int x = 0; x <= 128; ++x) {
        ASSERT_TRUE(f.ResetAsLayerTable(x, y));
        if (!f.Land(x, y)) continue;
        ++land;
        beach += f.At(x, y, TerrainLayerA) >= 4;
        // Points within 58 of the centre, rounded to whole cells.
        ASSERT_LE(DistanceFromCentre(x, y, 128, 128), 58 + std::sqrt(0.5));
      }
    EXPECT_GT(land, 3000);
    EXPECT_GT(beach, 300);
  }
}

TEST(BuildShapedBase, TheSpiralOfANonSquareMapStaysInsideTheMarginRectangle) {
  for (BaseShape shape : {BaseShape::Spiral, BaseShape::SpiralWithRing}) {
    ShapeFixture f(160, 96);
    f.Shape(shape);
    BuildShapedBase(*f.g);
    int land = 0;
    for (int y = 0; y <= 96; ++y)
      for (int x = 0; x <= 160; ++x) {
        if (!f.Land(x, y)) continue;
        ++land;
        ASSERT_TRUE(x >= 5 && x <= 154 && y >= 5 && y <= 90) << x << "," << y;
      }
    EXPECT_GT(land, 2500);
    if (shape == BaseShape::SpiralWithRing) {  // the outer ring between 0.85 and 1 of the half-axes
                                               // all round
      for (int a = 0; a < 360; a += 10) {
        const double t = a * 3.141592654 / 180;
        EXPECT_TRUE(f.Land(static_cast<int>(std::lround(80 - 0.93 * 74 * std::sin(t))),
                           static_cast<int>(std::lround(48 + 0.93 * 42 * std::cos(t)))))
            << a;
      }
    }
  }
}

TEST(BuildShapedBase, ARingFromRadiusZeroIsAFullDiscAndOtherRingsAreHollow) {
  ShapeFixture disc(128, 128);
  disc.Shape(BaseShape::Ring);
  BuildShapedBase(*disc.g);  // the sea and then a ring...
  ShapeFixture band(128, 128);
  band.Shape(BaseShape::Island);  // ...or, with no figure, just the sea
  BuildShapedBase(*band.g);
  ASSERT_EQ(band.Count(TerrainLayerA, [](int c) { return c == 1; }), 128 * 128);
  EXPECT_TRUE(CarveEllipseBand(*band.g, 0, 0.95));
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double u = (x - 64) / 58.0, v = (y - 64) / 58.0;
      const double q = u * u + v * v;
      ASSERT_TRUE(q > 0.93 * 0.93 || band.Land(x, y)) << x << "," << y;
      ASSERT_TRUE(q <= 0.97 * 0.97 || !band.Land(x, y)) << x << "," << y;
    }
  ShapeFixture hollow(128, 128);
  hollow.Shape(BaseShape::Island);
  BuildShapedBase(*hollow.g);
  CarveEllipseBand(*hollow.g, 0.5, 0.95);
  EXPECT_FALSE(hollow.Land(64, 64));
  EXPECT_FALSE(hollow.Land(64, 64 + 26));
  EXPECT_TRUE(hollow.Land(64, 64 + 45));
  // The full ring frays both of its edges and ends with the standard beach.
  EXPECT_NE(
      std::find(disc.host.statuses.begin(), disc.host.statuses.end(), "Ränder werden ausgefranst"),
      disc.host.statuses.end());
  EXPECT_GT(disc.Count(TerrainLayerA, [](int c) { return c == 6; }), 0);
}

TEST(BuildShapedBase, CancellingAFigureSkipsItsRestAndLeavesTheBarShown) {
  for (BaseShape shape : {BaseShape::Spiral, BaseShape::Ring, BaseShape::SpiralWithRing}) {
    ShapeFixture f(128, 128);
    f.Shape(shape);
    f.host.cancel_after = 0;  // held from the first angle step
    BuildShapedBase(*f.g);
    EXPECT_EQ(f.host.statuses.back(), "Grundfläche wird geschaffen") << static_cast<int>(shape);
    EXPECT_EQ(f.Count(TerrainLayerA, [](int c) { return c >= 4; }), 0);  // no coast passes
    EXPECT_EQ(f.host.cancel_queries, 1);
  }
}

}  // namespace
}  // namespace swd
