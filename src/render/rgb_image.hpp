#pragma once

#include <cstdint>
#include <vector>

#include "model/tables.hpp"

namespace swd {

// v brought into 0..n-1: a map and its picture wrap round every edge.
inline int Wrap(int v, int n) {
  const int m = v % n;
  return m < 0 ? m + n : m;
}

// A picture as three bytes per pixel (red, green, blue), rows top to bottom without gaps:
// the layout a PNG encoder and a QImage of Format_RGB888 take as they are.
class RgbImage {
 public:
  RgbImage() = default;
  RgbImage(int width, int height, Rgb fill = {})
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height * 3) {
    for (std::size_t i = 0; i < pixels_.size(); i += 3) {
      pixels_[i] = fill.r;
      pixels_[i + 1] = fill.g;
      pixels_[i + 2] = fill.b;
    }
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

  Rgb Get(int x, int y) const {
    const std::uint8_t* p = &pixels_[Offset(x, y)];
    return {p[0], p[1], p[2]};
  }
  void Set(int x, int y, Rgb colour) {
    std::uint8_t* p = &pixels_[Offset(x, y)];
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
  }

 private:
  std::size_t Offset(int x, int y) const { return (static_cast<std::size_t>(y) * width_ + x) * 3; }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace swd
