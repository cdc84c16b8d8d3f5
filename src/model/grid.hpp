#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace swd {

// The fourteen byte layers of a vertex. Layer k is data block k + 1 of the map file.
enum Layer : int {
  HeightLayer = 0,
  TerrainLayerA = 1,
  TerrainLayerB = 2,
  ReservedLayer3 = 3,
  ObjectIndexLayer = 4,
  ObjectTypeLayer = 5,
  AnimalLayer = 6,
  ReservedLayer7 = 7,
  PropertyLayer = 8,
  AuxLayer9 = 9,
  ReservedLayer10 = 10,
  ResourceLayer = 11,
  AuxLayer12 = 12,
  FillLayer13 = 13,
};

inline constexpr int kLayerCount = 14;
// One column and one row more than the largest map, for the mirror writes of the
// symmetric shapes (they land in column MapWidth and row MapHeight).
inline constexpr int kGridSide = 258;
inline constexpr std::size_t kPlaneSize = std::size_t{kGridSide} * kGridSide;

// Fixed 258 x 258 x 14 byte array, x fastest, then y, then the layer.
class LandscapeGrid {
 public:
  LandscapeGrid() : cells_(kPlaneSize * kLayerCount, 0) {}

  std::uint8_t& operator()(int x, int y, int layer) { return cells_[Index(x, y, layer)]; }
  std::uint8_t operator()(int x, int y, int layer) const { return cells_[Index(x, y, layer)]; }

  const std::uint8_t* Plane(int layer) const { return cells_.data() + kPlaneSize * layer; }
  void Clear() { std::fill(cells_.begin(), cells_.end(), std::uint8_t{0}); }

 private:
  static std::size_t Index(int x, int y, int layer) {
    assert(x >= 0 && x < kGridSide && y >= 0 && y < kGridSide && layer >= 0 && layer < kLayerCount);
    return static_cast<std::size_t>(x) + static_cast<std::size_t>(kGridSide) * y +
           kPlaneSize * layer;
  }
  std::vector<std::uint8_t> cells_;
};

// Bytes only hold 0..255: a value outside is stored as the nearer end, never wrapped.
inline std::uint8_t ClampByte(long v) {
  return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

}  // namespace swd
