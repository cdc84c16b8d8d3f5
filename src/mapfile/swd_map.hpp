#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "mapfile/swd_format.hpp"

namespace swd {

// A whole map file in memory: its header and its fourteen layers, each width x height bytes
// row by row as the blocks hold them. Layer k is the generator's grid layer k (model/grid.hpp
// names them), so a map read back is addressed as the grid was.
struct SwdMap {
  SwdHeader header;
  std::array<std::vector<std::uint8_t>, kSwdBlockCount> layers;

  int Width() const { return header.width; }
  int Height() const { return header.height; }
  std::uint8_t At(int layer, int x, int y) const {
    return layers[static_cast<std::size_t>(layer)]
                 [static_cast<std::size_t>(x) + static_cast<std::size_t>(header.width) * y];
  }
  std::uint8_t& At(int layer, int x, int y) {
    return layers[static_cast<std::size_t>(layer)]
                 [static_cast<std::size_t>(x) + static_cast<std::size_t>(header.width) * y];
  }
};

struct SwdMapRead {
  std::optional<SwdMap> map;  // set when the file is sound
  std::string problem;        // German, when it is not (as ParseSwd says it)
};

// Checks the file as ParseSwd does and, when it is sound, takes its layers as well.
SwdMapRead ReadSwdMap(const std::vector<std::uint8_t>& bytes);

// Triangles whose terrain code the game does not know; it refuses a map that has any.
struct UnknownTerrain {
  int triangles = 0;
  int first_code = 0;  // of the first such triangle, row by row
  int first_x = 0, first_y = 0;
};
UnknownTerrain FindUnknownTerrain(const SwdMap& map);

// The bytes of a map file holding `map` (the inverse of ReadSwdMap).
std::vector<std::uint8_t> EncodeSwdMap(const SwdMap& map);

}  // namespace swd
