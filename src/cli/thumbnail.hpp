#pragma once

#include <cstdint>
#include <vector>

#include "mapfile/swd_map.hpp"

namespace swd::cli {

// A small picture of a map for the contact sheet, as a PNG file's bytes.
struct Thumbnail {
  int width = 0, height = 0;
  std::vector<std::uint8_t> png;
};

// The map as render draws it, some 256 pixels wide (192 to 352 for the map widths there are):
// rendered at the smallest scale that reaches that width and, where that is much wider,
// averaged down over squares of pixels to the width nearest to it. No PNG (empty) only when
// libpng fails.
inline constexpr int kThumbnailWidth = 256;
Thumbnail MakeThumbnail(const SwdMap& map);

}  // namespace swd::cli
