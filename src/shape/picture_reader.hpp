#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/messages.hpp"

namespace swd {

// The palette index of every cell of a "Spezial" picture, x + width * y, row 0 at the top
// of the map; or, when the picture cannot be used, what is wrong with it.
struct PictureRead {
  std::vector<std::uint8_t> pixels;
  Message problem;  // empty when the picture can be used
};

// Checks a whole file held in memory: an uncompressed Windows bitmap with 8 bits per
// pixel, exactly width x height pixels, all of its pixel data present. The pixels are
// taken at the file's own data offset and row stride, bottom-up or top-down as the file
// says. `problem` leaves the file's name, its first argument, to the caller.
PictureRead ReadPicture(std::span<const std::uint8_t> bytes, int width, int height);

// Reads and checks the file; `problem` then names the file.
PictureRead LoadPictureFile(const std::filesystem::path& path, int width, int height);

}  // namespace swd
