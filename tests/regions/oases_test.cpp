#include <gtest/gtest.h>

#include <vector>

#include "model/primitives.hpp"
#include "regions/region_fixture.hpp"
#include "regions/region_steps.hpp"

namespace swd {
namespace {

using test::Paint;
using test::StepFixture;

std::vector<std::pair<int, int>> Oases(const StepFixture& f) {
  std::vector<std::pair<int, int>> centres;
  for (int y = 0; y < f.g->run.MapHeight; ++y)
    for (int x = 0; x < f.g->run.MapWidth; ++x)
      if (f.At(x, y, TerrainLayerA) == 1) centres.emplace_back(x, y);
  return centres;
}

TEST(InsertOases, OasesInADesertAreRingedAndAtLeastThreeCellsApart) {
  StepFixture f(64, 64, Gruenland, 6);
  InsertOases(*f.g);
  const auto centres = Oases(f);
  ASSERT_GT(centres.size(), 10u);
  for (auto [x, y] : centres) {
    // Ring 1 was laid as class 4 and ring 2 as class 5; a later oasis may lay its rings
    // over them, but never its water.
    for (int i = 0; i <= 24; ++i) {
      if (i == 8) continue;
      const int c =
          f.At(WrapIndex(x + RingOffsetX[i], 64), WrapIndex(y + RingOffsetY[i], 64), TerrainLayerA);
      EXPECT_TRUE(c == 4 || c == 5) << x << "," << y << " ring cell " << i << ": " << c;
    }
    EXPECT_EQ(f.At(x, y, HeightLayer), 16);
  }
  // The oases reach over the map edges, where the desert goes on.
  bool at_edge = false;
  for (auto [x, y] : centres)
    at_edge |= x < 2 || y < 2 || x > 61 || y > 61;
  EXPECT_TRUE(at_edge);
}

TEST(InsertOases, EveryDesertCellDrawsButNarrowOrBorderedDesertsGetNone) {
  // A desert four cells wide, and one ringed by class 4 and 5 that touches class 0 everywhere
  // within two cells.
  StepFixture f(64, 64);
  Paint(f, [](int x, int y) {
    if (x >= 10 && x <= 13) return 6;
    if (x >= 30 && x <= 50 && y >= 30 && y <= 50) return (x + y) % 5 == 0 ? 0 : 6;
    return 0;
  });
  const int deserts = f.Count(TerrainLayerA, [](int v) { return v == 6; });
  InsertOases(*f.g);
  EXPECT_EQ(Oases(f).size(), 0u);
  EXPECT_EQ(f.g->rng.Draws(), static_cast<std::uint64_t>(deserts));
}

TEST(InsertOases, ASymmetricBaseMirrorsEveryOasisAndOnlyGruenlandShowsTheText) {
  StepFixture f(64, 64, Oedland, 0);
  f.MakeSymmetric();
  Paint(f, [](int x, int y) { return x >= 3 && x <= 28 && y >= 3 && y <= 28 ? 6 : 0; });
  InsertOases(*f.g);
  const auto centres = Oases(f);
  ASSERT_GT(centres.size(), 1u);
  for (auto [x, y] : centres) {
    if (x > 32) continue;  // a mirror itself
    EXPECT_EQ(f.At(64 - x, 64 - y, TerrainLayerA), 1);
    for (int i = 0; i <= 7; ++i) {
      const int mx = WrapIndex(64 - (x + RingOffsetX[i]), 64);
      const int my = WrapIndex(64 - (y + RingOffsetY[i]), 64);
      const int c = f.At(mx, my, TerrainLayerA);
      EXPECT_TRUE(c == 4 || c == 5) << c;
    }
  }
  EXPECT_EQ(f.host.statuses, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(f.host.progress.size(), 64u);

  StepFixture green(32, 32);
  InsertOases(*green.g);
  EXPECT_EQ(green.host.statuses, (std::vector<std::string>{"Füge Oasen ein", ""}));
}

}  // namespace
}  // namespace swd
