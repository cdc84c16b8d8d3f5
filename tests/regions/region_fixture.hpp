#pragma once

#include <cmath>
#include <cstdint>

#include "model/random.hpp"
#include "objects/step_fixture.hpp"

namespace swd::test {

// Sets the working amounts of class c by hand, as RegionAmounts would leave them.
inline void SetWalks(StepFixture& f, int c, float count, float min_size, float max_size) {
  f.g->amounts.RegionCount[c] = count;
  f.g->amounts.RegionMinSize[c] = min_size;
  f.g->amounts.RegionMaxSize[c] = max_size;
}

// Sets the class of every map cell from fn(x, y).
template <class Fn>
void Paint(StepFixture& f, Fn fn) {
  for (int y = 0; y < f.g->run.MapHeight; ++y)
    for (int x = 0; x < f.g->run.MapWidth; ++x)
      f.SetClass(x, y, fn(x, y));
}

// The first engine seed from `start` whose first draw of RandomInt(0, hi) satisfies pred.
template <class Pred>
std::uint32_t SeedWhoseFirstDraw(int hi, Pred pred, std::uint32_t start = 1) {
  for (std::uint32_t s = start;; ++s) {
    Random r;
    r.Seed(s);
    if (pred(static_cast<int>(std::floor(r.Next() * (hi + 1.0))))) return s;
  }
}

}  // namespace swd::test
