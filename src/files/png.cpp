#include "files/png.hpp"

#include <png.h>

namespace swd {

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  // libpng's simplified interface reports failures by its return value, where the classic one
  // would jump out of this function past the vector's destructor.
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width());
  png.height = static_cast<png_uint_32>(image.Height());
  png.format = PNG_FORMAT_RGB;
  // Room for the largest PNG the picture can give, so that it is compressed once: asking
  // libpng for the exact size first would compress it twice, and compressing is nearly all of
  // the time a picture takes.
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
  std::vector<std::uint8_t> bytes(size);
  if (png_image_write_to_memory(&png, bytes.data(), &size, 0, image.Pixels().data(), 0, nullptr) ==
      0) {
    return {};
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace swd
