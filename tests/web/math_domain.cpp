// Prints the bits of every result of a transcendental function that a run can ask for:
// the sine and cosine of each angle the figures visit and the slider factors. Built for
// this machine and for WebAssembly, the two must print the same (math_domain.test.mjs).
// The angles follow the loops of shape/base_shapes.cpp and shape/fraying.cpp over every
// map size and every value their random draws can take, and reach a little beyond.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>

#include "model/primitives.hpp"
#include "model/trigonometry.hpp"
#include "shape/geometry.hpp"

namespace {

std::uint64_t Bits(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

}  // namespace

int main() {
  using namespace swd;
  std::set<double> angles;
  for (int side = 32; side <= 256; side += 16) {
    // The elliptic band and spiral, by the larger side: up to 360 / 0.30 + 45 degrees.
    const double ellipse_step = 1 - 0.7 * side / 256.0;
    ForFraction(0, 1250, ellipse_step, [&](double t) {
      angles.insert(t * kDegree);
      angles.insert(-t * kDegree);
    });
    // The frayed ring edges, by the width.
    const float ring_step = 6.0f - 4.0f * static_cast<float>(side) / 256.0f;
    ForFraction(0, 360, ring_step, [&](double alpha) { angles.insert(alpha * kDegree); });
  }
  // The square spiral: whole start angles 0..360 plus or minus half degrees up to
  // 360 * 128 / 20 past them.
  for (int half = -2 * 2700; half <= 2 * 3100; ++half)
    angles.insert((half / 2.0) * kDegree);

  std::printf("%zu angles\n", angles.size());
  for (const double a : angles) {
    std::printf("%016llx %016llx %016llx\n", static_cast<unsigned long long>(Bits(a)),
                static_cast<unsigned long long>(Bits(Sine(a))),
                static_cast<unsigned long long>(Bits(Cosine(a))));
  }
  for (int level = 0; level <= 20; ++level) {
    std::printf("level %d %016llx\n", level,
                static_cast<unsigned long long>(Bits(SliderFactor(level))));
  }
  return 0;
}
