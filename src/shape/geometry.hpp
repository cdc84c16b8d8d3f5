#pragma once

#include <cmath>
#include <type_traits>

namespace swd {

// Degrees to radians with pi taken as 3.141592654: the cells of the figures depend on it.
inline constexpr double kDegree = 3.141592654 / 180;

// To the nearest whole number, halves to the even one.
inline int RoundHalfEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

// A loop over fractions: the counter starts at `from`, runs while it is <= `to` and adds
// `step` after each pass, so that the counter's rounding adds up along the loop; the cells
// of the figures depend on it. A body that returns bool leaves the loop by returning false.
template <class Body>
void ForFraction(double from, double to, double step, Body&& body) {
  for (double t = from; t <= to; t += step) {
    if constexpr (std::is_same_v<decltype(body(t)), bool>) {
      if (!body(t)) return;
    } else {
      body(t);
    }
  }
}

// Centre and half-axes of the elliptic figures: the map's middle, six cells short of
// each edge.
struct Ellipse {
  double cx, cy, ax, ay;
  static Ellipse OfMap(int width, int height) {
    const float cx = static_cast<float>(width) / 2.0f;
    const float cy = static_cast<float>(height) / 2.0f;
    return {cx, cy, cx - 6.0f, cy - 6.0f};
  }
};

}  // namespace swd
