#pragma once

#include <cstdint>
#include <vector>

#include "render/rgb_image.hpp"

namespace swd {

// The picture as the bytes of a PNG file (8-bit RGB, libpng's default compression). Empty
// only when libpng fails, which for a sound picture means memory ran out.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

}  // namespace swd
