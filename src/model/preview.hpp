#pragma once

#include <cstdint>
#include <vector>

#include "model/tables.hpp"

namespace swd {

// The preview picture: one pixel per vertex, (MapWidth + 4) x (MapHeight + 4), so that a
// border of background stays to the right and below. RGB, rows top to bottom. The bitmap
// beside the map keeps the border; the windows that show the preview show the map alone.
class PreviewImage {
 public:
  static constexpr Rgb kBackground{192, 192, 192};
  static constexpr int kBorder = 4;

  void Reset(int map_width, int map_height);
  void Set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
      auto* p = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 3];
      p[0] = colour.r;
      p[1] = colour.g;
      p[2] = colour.b;
    }
  }
  Rgb Get(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace swd
