// Feeds arbitrary bytes to the picture reader: the first byte picks the map size, the rest
// is the file. The reader must never read outside the buffer, and a picture it accepts
// must have exactly one palette index per map cell.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "shape/picture_reader.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int width = 32 + 16 * (data[0] & 0x0F);
  const int height = 32 + 16 * (data[0] >> 4 & 0x0F);
  const std::span<const std::uint8_t> file(data + 1, size - 1);
  const swd::PictureRead read = swd::ReadPicture(file, width, height);
  if (read.problem.empty() != (read.pixels.size() == static_cast<std::size_t>(width) * height)) {
    std::abort();
  }
  return 0;
}
