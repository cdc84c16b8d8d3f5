#include "model/preview.hpp"

namespace swd {

void PreviewImage::Reset(int map_width, int map_height) {
  width_ = map_width + kBorder;
  height_ = map_height + kBorder;
  pixels_.assign(static_cast<std::size_t>(width_) * height_ * 3, 0);
  for (std::size_t i = 0; i < pixels_.size(); i += 3) {
    pixels_[i] = kBackground.r;
    pixels_[i + 1] = kBackground.g;
    pixels_[i + 2] = kBackground.b;
  }
}

Rgb PreviewImage::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBackground;
  const auto* p = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 3];
  return Rgb{p[0], p[1], p[2]};
}

}  // namespace swd
