#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/class_tables.hpp"
#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::RecordingHost;

struct Fixture {
  RecordingHost host;
  std::unique_ptr<Generator> g = std::make_unique<Generator>(host);
  explicit Fixture(int w = 32, int h = 32) {
    g->run.MapWidth = static_cast<std::int16_t>(w);
    g->run.MapHeight = static_cast<std::int16_t>(h);
    g->preview.Reset(w, h);
    FillClassTables(g->tables, Gruenland);
  }
};

TEST(Random, UsesTheTopBitsOfOneEngineOutputPerDraw) {
  Random r;
  std::mt19937 reference(5489);
  for (int i = 0; i < 1000; ++i) {
    const float v = r.Next();
    EXPECT_EQ(v, float(reference() >> 8) / 16777216.0f);
    ASSERT_GE(v, 0.0f);
    ASSERT_LT(v, 1.0f);
  }
  EXPECT_EQ(r.Draws(), 1000u);
  // The engine keeps its words in 32 bits: over several refills of its state and from
  // seeds at both ends it still gives std::mt19937's outputs.
  for (const std::uint32_t seed : {0u, 1u, 4294967295u}) {
    r.Seed(seed);
    reference.seed(seed);
    for (int i = 0; i < 2000; ++i)
      ASSERT_EQ(r.NextBits(), reference() >> 8) << "seed " << seed << " draw " << i;
  }
}

TEST(RandomInt, CoversBothEndsAndTakesFractionalBounds) {
  Fixture f;
  int lo = 100, hi = -100;
  for (int i = 0; i < 5000; ++i) {
    const int v = RandomInt(*f.g, 0, 3);
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 3);
  // floor(lo + r * (hi - lo + 1)): with lo above hi the range is empty but still a draw.
  for (int i = 0; i < 100; ++i) {
    const int v = RandomInt(*f.g, 2.5, 2.0);
    EXPECT_TRUE(v == 2) << v;
  }
  for (int i = 0; i < 100; ++i) {
    const int v = RandomInt(*f.g, -1.5, 1.5);
    EXPECT_GE(v, -2);
    EXPECT_LE(v, 2);
  }
  EXPECT_EQ(f.g->rng.Draws(), 5200u);
}

// The integer form of whole bounds must give exactly what the double formula gives, for
// every draw: empty and reversed ranges, negative bounds, and bounds at the form's limits.
TEST(RandomInt, WholeBoundsDrawWhatTheDoubleFormulaDraws) {
  Fixture f;
  std::mt19937 reference(5489);
  const auto expected = [&](double lo, double hi) {
    const double r = float(reference() >> 8) / 16777216.0f;
    return static_cast<int>(std::floor(lo + r * (hi - lo + 1)));
  };
  constexpr int kEdge = kWholeDrawBound - 1;
  const std::pair<int, int> bounds[] = {
      {0, 0},          {0, 1},         {0, 8},         {-1, 1},  {11, 14},
      {3, -7},         {-200, -100},   {0, 999},       {5, 250}, {-kEdge, kEdge},
      {kEdge, -kEdge}, {0, kEdge + 1}, {-kEdge - 1, 0}};
  for (const auto& [lo, hi] : bounds) {
    for (int i = 0; i < 2000; ++i) {
      ASSERT_EQ(RandomInt(*f.g, lo, hi), expected(lo, hi)) << lo << ".." << hi << " draw " << i;
      // Whole bounds held as doubles, as the decoration ranges are.
      ASSERT_EQ(RandomInt(*f.g, double(lo), double(hi)), expected(lo, hi)) << lo << ".." << hi;
    }
  }
  for (int i = 0; i < 2000; ++i)
    ASSERT_EQ(RandomInt(*f.g, 0.0, 3e9), expected(0.0, 3e9));
}

TEST(Wrap, NeighbourCountsWrapRoundEveryEdge) {
  EXPECT_EQ(WrapIndex(-1, 32), 31);
  EXPECT_EQ(WrapIndex(-32, 32), 0);
  EXPECT_EQ(WrapIndex(-33, 32), 31);
  EXPECT_EQ(WrapIndex(-70, 32), 26);
  EXPECT_EQ(WrapIndex(32, 32), 0);
  EXPECT_EQ(WrapIndex(63, 32), 31);
  EXPECT_EQ(WrapIndex(64, 32), 0);
  EXPECT_EQ(WrapIndex(100, 32), 4);
  EXPECT_EQ(WrapIndex(5, 32), 5);

  Fixture f;
  // A corner cell sees cells of the three other corners in its 5x5 block.
  for (auto [x, y] : {std::pair{31, 31}, {30, 0}, {0, 30}, {1, 1}}) {
    f.g->grid(x, y, TerrainLayerA) = 7;
  }
  EXPECT_EQ(CountClassNear5(*f.g, 0, 0, 7, 7, 7), 4);
  EXPECT_EQ(CountClassNear7(*f.g, 0, 0, 7, 7, 7), 4);
  EXPECT_EQ(CountClassNear5(*f.g, 16, 16, 7, 7, 7), 0);
  // Class 0 fills the rest of the 7x7 block.
  EXPECT_EQ(CountClassNear7(*f.g, 0, 0, 0, 0, 7), 49);
}

// Cells away from the edges are counted without wrapping: every cell, at the edges, next to
// them and inside, must count what the wrapped blocks hold.
TEST(Wrap, CountsInsideAndAtTheEdgesAgreeWithTheWrappedBlocks) {
  Fixture f(24, 17);
  std::mt19937 fill(3);
  for (int y = 0; y < kGridSide; ++y)
    for (int x = 0; x < kGridSide; ++x)
      f.g->grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(fill() % 4);
  const auto wrapped = [&](int x, int y, int last, int c1, int c2) {
    int n = 0;
    for (int i = 0; i <= last; ++i) {
      const int k =
          f.g->grid((x + RingOffsetX[i] + 24) % 24, (y + RingOffsetY[i] + 17) % 17, TerrainLayerA);
      n += k == c1 || k == c2;
    }
    return n;
  };
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 24; ++x) {
      ASSERT_EQ(CountClassNear5(*f.g, x, y, 1, 2, 2), wrapped(x, y, 24, 1, 2)) << x << "," << y;
      ASSERT_EQ(CountClassNear7(*f.g, x, y, 3, 0, 3), wrapped(x, y, 48, 3, 0)) << x << "," << y;
      ASSERT_EQ(CountClassInBlock(*f.g, x, y, 1, 2, 3, 2), wrapped(x, y, 8, 2, 3)) << x << "," << y;
    }
  }
}

TEST(Mirror, SymmetricWritesLandInTheSpareColumnAndRow) {
  Fixture f(256, 256);
  f.g->run.symmetric = true;
  EXPECT_EQ(MirrorCell(*f.g, 0, 0), std::make_pair(256, 256));
  EXPECT_EQ(MirrorCell(*f.g, 100, 3), std::make_pair(156, 253));
  SetCellClassMirrored(*f.g, 0, 0, 5);
  EXPECT_EQ(f.g->grid(256, 256, TerrainLayerA), 5);
  EXPECT_EQ(f.g->grid(256, 256, TerrainLayerB), 5);

  Fixture plain;
  SetCellClassMirrored(*plain.g, 3, 4, 5);
  EXPECT_EQ(plain.g->grid(3, 4, TerrainLayerA), 5);
  EXPECT_EQ(plain.g->grid(29, 28, TerrainLayerA), 0);
}

TEST(Cells, SetAndResetWriteTheClassEverywhereItShows) {
  Fixture f;
  f.g->grid(4, 4, ResourceLayer) = 99;
  f.g->grid(4, 4, ObjectTypeLayer) = 99;
  ResetCell(*f.g, 4, 4, 3);
  EXPECT_EQ(f.g->grid(4, 4, HeightLayer), f.g->tables.ClassBaseHeight[3]);
  EXPECT_EQ(f.g->grid(4, 4, PropertyLayer), f.g->tables.ClassPropertyCode[3]);
  EXPECT_EQ(f.g->grid(4, 4, ResourceLayer), 0);
  EXPECT_EQ(f.g->grid(4, 4, ObjectTypeLayer), 0);
  EXPECT_EQ(f.g->grid(4, 4, AuxLayer9), 7);
  EXPECT_EQ(f.g->grid(4, 4, AuxLayer12), 64);
  EXPECT_EQ(f.g->preview.Get(4, 4), f.g->tables.ClassPreviewColour[3]);
}

TEST(Factors, SliderAndDensityAtTheirEnds) {
  EXPECT_DOUBLE_EQ(SliderFactor(5), 1.0);
  EXPECT_NEAR(SliderFactor(0), std::exp(-5 / 3.2), 1e-12);
  EXPECT_GT(SliderFactor(10), SliderFactor(9));
  EXPECT_EQ(DensityFactor(0), 200);
  EXPECT_EQ(DensityFactor(5), 0);
  EXPECT_EQ(DensityFactor(10), -1);
  int v = 2;
  ClampToInterior(v, 64);
  EXPECT_EQ(v, 5);
  v = 60;
  ClampToInterior(v, 64);
  EXPECT_EQ(v, 58);
}

// Records the display calls in order.
class DisplayLog : public RecordingHost {
 public:
  void SetStatus(const Message& text) override { calls.push_back("status " + text.German()); }
  void ShowProgress(bool visible) override { calls.push_back(visible ? "show" : "hide"); }
  void SetProgress(int value) override { calls.push_back("bar " + std::to_string(value)); }
  void RefreshPreview() override { calls.push_back("preview"); }
  void Yield() override { calls.push_back("yield"); }
  std::vector<std::string> calls;
};

// Between two steps the bar is not hidden and shown again; a hide that is held back goes out
// before anything but a status text, so that the front end shows at every turn what it
// would have shown.
TEST(Progress, TheBarStaysBetweenStepsAndAHeldHideGoesOutBeforeTheNextTurn) {
  DisplayLog host;
  auto g = std::make_unique<Generator>(host);
  BeginStep(*g, MessageKey::StatusCreateLakes);
  ReportProgress(*g, 40);
  EndStep(*g);
  BeginStep(*g, MessageKey::StatusCreateMoors);
  EndStep(*g);
  YieldToUser(*g);
  EndStep(*g);
  SetBar(*g, 7);
  BeginStep(*g, MessageKey::StatusFillForests);
  EndStep(*g);
  RefreshPreview(*g);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{
                "show", "status Seen werden geschaffen", "bar 40", "preview", "yield", "status ",
                "status Moore werden geschaffen", "status ", "hide", "yield", "status ", "hide",
                "bar 7", "show", "status Fülle Wald mit Bäumen", "status ", "hide", "preview"}));
}

TEST(Progress, PercentRoundsHalvesUp) {
  EXPECT_EQ(Percent(0, 13), 0);
  EXPECT_EQ(Percent(13, 13), 100);
  EXPECT_EQ(Percent(1, 8), 13);  // 12.5 rounds up
  EXPECT_EQ(Percent(1, 3), 33);
}

}  // namespace
}  // namespace swd
