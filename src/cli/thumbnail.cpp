#include "cli/thumbnail.hpp"

#include <algorithm>
#include <cmath>

#include "files/png.hpp"
#include "render/map_picture.hpp"

namespace swd::cli {

namespace {

// Each pixel the mean of a factor x factor square of the picture.
RgbImage Shrink(const RgbImage& image, int factor) {
  if (factor <= 1) return image;
  RgbImage small(image.Width() / factor, image.Height() / factor);
  const int n = factor * factor;
  for (int y = 0; y < small.Height(); ++y) {
    for (int x = 0; x < small.Width(); ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
          const Rgb c = image.Get(x * factor + dx, y * factor + dy);
          r += c.r;
          g += c.g;
          b += c.b;
        }
      }
      small.Set(
          x, y,
          {static_cast<std::uint8_t>((r + n / 2) / n), static_cast<std::uint8_t>((g + n / 2) / n),
           static_cast<std::uint8_t>((b + n / 2) / n)});
    }
  }
  return small;
}

}  // namespace

Thumbnail MakeThumbnail(const SwdMap& map) {
  const int scale = std::max(kMinScale, (kThumbnailWidth + map.Width() - 1) / map.Width());
  const int factor =
      static_cast<int>(std::lround(static_cast<double>(map.Width() * scale) / kThumbnailWidth));
  RenderOptions options;
  options.scale = scale;
  const RgbImage picture = Shrink(RenderMap(map, options), factor);
  return {picture.Width(), picture.Height(), EncodePng(picture)};
}

}  // namespace swd::cli
