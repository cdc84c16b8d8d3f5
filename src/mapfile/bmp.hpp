#pragma once

#include <cstdint>
#include <vector>

#include "model/preview.hpp"

namespace swd {

// The preview as an uncompressed 24-bit Windows bitmap, one pixel per vertex.
std::vector<std::uint8_t> EncodeBmp24(const PreviewImage& image);

}  // namespace swd
