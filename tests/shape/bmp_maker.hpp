#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace swd::test {

// Hand-made 8-bit bitmaps: by default laid out as a paint program saves a 256-colour
// picture (14 + 40 header bytes, 256 palette entries, pixel data at 1078, bottom-up).
struct BmpLayout {
  int width = 32;
  int height = 32;
  int palette_entries = 256;
  bool top_down = false;
  int bits = 8;
  int compression = 0;
  int header_size = 40;
  int planes = 1;
};

// pixel(x, y) gives the palette index of map cell (x, y), row 0 at the top.
inline std::vector<std::uint8_t> MakeBmp(const BmpLayout& l,
                                         const std::function<int(int, int)>& pixel) {
  const int stride = (l.width + 3) / 4 * 4;
  const int offset = 14 + l.header_size + 4 * l.palette_entries;
  std::vector<std::uint8_t> b(static_cast<std::size_t>(offset + stride * l.height), 0);
  auto put = [&](int at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
      b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put(2, static_cast<std::uint32_t>(b.size()), 4);
  put(10, static_cast<std::uint32_t>(offset), 4);
  put(14, static_cast<std::uint32_t>(l.header_size), 4);
  put(18, static_cast<std::uint32_t>(l.width), 4);
  put(22, static_cast<std::uint32_t>(l.top_down ? -l.height : l.height), 4);
  put(26, static_cast<std::uint32_t>(l.planes), 2);
  put(28, static_cast<std::uint32_t>(l.bits), 2);
  put(30, static_cast<std::uint32_t>(l.compression), 4);
  put(46, static_cast<std::uint32_t>(l.palette_entries), 4);
  for (int i = 0; i < l.palette_entries; ++i)
    put(14 + l.header_size + 4 * i, static_cast<std::uint32_t>(i * 0x010101), 4);
  for (int y = 0; y < l.height; ++y) {
    const int row = l.top_down ? y : l.height - 1 - y;
    for (int x = 0; x < l.width; ++x)
      b[offset + stride * row + x] = static_cast<std::uint8_t>(pixel(x, y));
  }
  return b;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& b) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

}  // namespace swd::test
