#include "mapfile/bmp.hpp"

#include <cstddef>
#include <cstdint>

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
  // Bottom-up rows of blue, green, red, padded with zeros; written in place, row by row.
  const std::size_t header = out.size();
  out.resize(header + data_size, 0);
  const std::uint8_t* pixels = image.Pixels().data();
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* in = pixels + static_cast<std::size_t>(y) * w * 3;
    std::uint8_t* row = out.data() + header + static_cast<std::size_t>(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x, in += 3, row += 3) {
      row[0] = in[2];
      row[1] = in[1];
      row[2] = in[0];
    }
  }
  return out;
}

}  // namespace swd
