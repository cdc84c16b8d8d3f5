#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace swd {

// The palette index of every cell of a "Spezial" picture, x + width * y, row 0 at the top
// of the map; or, when the picture cannot be used, what is wrong with it.
struct PictureRead {
  std::vector<std::uint8_t> pixels;
  std::string problem;  // German, empty when the picture can be used
};

// Checks a whole file held in memory: an uncompressed Windows bitmap with 8 bits per
// pixel, exactly width x height pixels, all of its pixel data present. The pixels are
// taken at the file's own data offset and row stride, bottom-up or top-down as the file
// says. `problem` continues a sentence that begins with the file's name.
PictureRead ReadPicture(std::span<const std::uint8_t> bytes, int width, int height);

// Reads and checks the file; `problem` is then a whole German sentence naming the file.
PictureRead LoadPictureFile(const std::filesystem::path& path, int width, int height);

}  // namespace swd
