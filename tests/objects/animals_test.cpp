#include <gtest/gtest.h>

#include <set>

#include "objects/object_steps.hpp"
#include "objects/step_fixture.hpp"

namespace swd {
namespace {

using test::StepFixture;

TEST(PlaceAnimals, SpeciesFollowTheTerrainAndTheSliders) {
  StepFixture f(66, 66);  // column x has class x % 11
  for (int y = 0; y < 66; ++y)
    for (int x = 0; x < 66; ++x)
      f.SetClass(x, y, x % 11);
  f.FillLayer(AnimalLayer, 9);
  f.g->run.SliderTiere = {0, 0, 0, 0, 0, 0, 0};
  PlaceAnimals(*f.g);
  const std::set<int> kept{0, 1, 2, 4, 5};  // classes that can carry an animal keep the 9
  for (int x = 0; x < 11; ++x)
    EXPECT_EQ(f.At(x, 7, AnimalLayer), kept.count(x) ? 9 : 0) << x;
  EXPECT_EQ(f.host.statuses.front(), "Füge Tiere ein");

  f.FillLayer(AnimalLayer, 0);
  f.g->run.SliderTiere = {0, 20, 20, 20, 20, 20, 20};
  PlaceAnimals(*f.g);
  const std::set<int> allowed[11] = {{0, 1, 2}, {0, 5}, {0, 3, 4}, {0}, {0, 1, 6}, {0, 1, 6}};
  for (int y = 0; y < 66; ++y)
    for (int x = 0; x < 66; ++x)
      ASSERT_TRUE(allowed[x % 11].count(f.At(x, y, AnimalLayer)) || f.At(x, y, AnimalLayer) == 0);
  const int ducks = f.Count(AnimalLayer, [](int v) { return v == 5; });
  EXPECT_TRUE(ducks > 0 && ducks < 100);  // about 20 / 201 of 396 water cells
}

TEST(PlaceAnimals, SymmetricMapsDrawTheUpperHalfFromTheDoubledRange) {
  StepFixture f(32, 32, Gruenland, 1);
  f.MakeSymmetric();
  f.g->run.SliderTiere[5] = 20;
  PlaceAnimals(*f.g);
  EXPECT_EQ(f.g->rng.Draws(), 32u * 17u);  // water draws no species
  for (int y = 0; y < 32; ++y)
    for (int x = 1; x < 32; ++x)
      ASSERT_EQ(f.At(x, y, AnimalLayer), f.At(32 - x, 32 - y, AnimalLayer));
  EXPECT_GT(f.Count(AnimalLayer, [](int v) { return v == 5; }), 0);
}

}  // namespace
}  // namespace swd
