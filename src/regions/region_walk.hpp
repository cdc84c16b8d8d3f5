#pragma once

#include <array>
#include <cstdint>

#include "model/generator.hpp"

namespace swd {

// A test on the 5x5 block around a cell: how many of its cells hold one of three classes
// (a class repeated stands for fewer), compared with a bound. `Any` always passes.
struct BlockCount {
  enum Compare : std::uint8_t { Any, Equal, AtLeast };
  Compare compare = Any;
  std::array<int, 3> classes{};
  int bound = 0;

  bool Passes(const Generator& g, int x, int y) const;
};

constexpr BlockCount CountIs(std::array<int, 3> classes, int bound) {
  return {BlockCount::Equal, classes, bound};
}
constexpr BlockCount CountAtLeast(std::array<int, 3> classes, int bound) {
  return {BlockCount::AtLeast, classes, bound};
}

constexpr BlockCount NoTest() {
  return {};
}

// Where seeds are drawn: between a seventh and six sevenths of each side, or anywhere.
enum class SeedWindow : std::uint8_t { CentralSevenths, WholeMap };

// A seed passes when it is meadow and `meadow_passes` is set, or when both counts hold.
struct SeedTest {
  bool meadow_passes = false;
  BlockCount first;
  BlockCount second;
};

constexpr SeedTest SeedNeeds(BlockCount first, BlockCount second = NoTest()) {
  return {false, first, second};
}
constexpr SeedTest MeadowOr(BlockCount first) {
  return {true, first, NoTest()};
}

// Which cells a walker may step onto: meadow only, or also the classes from its own up to 5.
enum class EntryTest : std::uint8_t { Meadow, MeadowOrOwnClassUpTo5 };

// The four points in which the region steps differ.
struct RegionUse {
  SeedWindow window = SeedWindow::WholeMap;
  SeedTest seed;
  EntryTest entry = EntryTest::Meadow;
  BlockCount paint;             // a cell that fails stays unpainted, the walker stays on it
  bool records_ranges = false;  // painted cells go into the mountain range list
};

// What the rule without "Flächen-variante" starts from when a class has no base count.
enum class MissingBase : std::uint8_t {
  NoRegion,  // the class gets no region
  CountOne,  // a count of 1 goes into the slider product
};

// Number of regions and the range of walk lengths of class c for this run, from the base
// tables, the sliders "Anzahl" and "Größe" and "Flächen-variante"; halved on a symmetric base.
void RegionAmounts(Generator& g, int c, MissingBase missing = MissingBase::NoRegion);

// Grows RegionCount[c] + 1 regions of class c, each from a seed by a random walk that paints
// as it goes. Reports after each region; false when a cancel request ended it early.
bool RegionWalk(Generator& g, int c, const RegionUse& use);

}  // namespace swd
