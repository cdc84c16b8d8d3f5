#include <gtest/gtest.h>
#include <set>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

TEST(PlaceAnimals, SpeciesFollowTheTerrainAndTheSliders) {
  // Column x has class x % 11.
  StepFixture f(66, 66);
  for (int y = 0; y < 66; ++y)
    for (int x = 0; x < 66; ++x)
      f.SetClass(x, y, x % 11);
  f.FillLayer(AnimalLayer, 9);
  f.g->run.SliderTiere = {0, 0, 0, 0, 0, 0, 0};
  PlaceAnimals(*f.g);
  for (int x = 0; x < 11; ++x) {
    const bool lives = x == 0 || x == 1 || x == 2 || x == 4 || x == 5;
    EXPECT_EQ(f.At(x, 7, AnimalLayer), lives ? 9 : 0) << x;
  }
  EXPECT_EQ(f.host.statuses.front(), "Füge Tiere ein");

  f.FillLayer(AnimalLayer, 0);
  f.g->run.SliderTiere = {0, 20, 20, 20, 20, 20, 20};
  PlaceAnimals(*f.g);
  const std::set<int> allowed[11] = {{0, 1, 2}, {0, 5}, {0, 3, 4}, {0}, {0, 1, 6}, {0, 1, 6},
                                     {0},       {0},    {0},       {0}, {0}};
  int ducks = 0;
  for (int y = 0; y < 66; ++y)
    for (int x = 0; x < 66; ++x) {
      ASSERT_TRUE(allowed[x % 11].count(f.At(x, y, AnimalLayer))) << x << " " << y;
      if (f.At(x, y, AnimalLayer) == 5) ++ducks;
    }
  EXPECT_GT(ducks, 0);
  EXPECT_LT(ducks, 6 * 66 / 4);  // about 20 / 201 of the 396 water cells
}

TEST(PlaceAnimals, SymmetricMapsDrawTheUpperHalfFromTheDoubledRange) {
  StepFixture f(32, 32, Gruenland, 1);
  f.MakeSymmetric();
  f.g->run.SliderTiere[5] = 20;
  PlaceAnimals(*f.g);
  EXPECT_EQ(f.g->rng.Draws(), 32u * 17u);  // water draws no species
  int ducks = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 1; x < 32; ++x) {
      ASSERT_EQ(f.At(x, y, AnimalLayer), f.At(32 - x, 32 - y, AnimalLayer));
      ducks += f.At(x, y, AnimalLayer) == 5;
    }
  EXPECT_GT(ducks, 0);
}

}  // namespace
}  // namespace swd
