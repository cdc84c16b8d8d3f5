#include "mapfile/bmp.hpp"

#include "io/byte_io.hpp"

namespace swd {

std::vector<std::uint8_t> EncodeBmp24(const PreviewImage& image) {
  const int w = image.Width();
  const int h = image.Height();
  const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
  const std::uint32_t data_size = stride * static_cast<std::uint32_t>(h);
  std::vector<std::uint8_t> out;
  out.reserve(54 + data_size);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 54 + data_size);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(w));
  PutU32(out, static_cast<std::uint32_t>(h));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);  // no compression
  PutU32(out, data_size);
  PutU32(out, 2835);  // 72 dpi
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = h - 1; y >= 0; --y) {  // bottom-up
    for (int x = 0; x < w; ++x) {
      const Rgb c = image.Get(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < stride; ++pad) {
      out.push_back(0);
    }
  }
  return out;
}

}  // namespace swd
