#pragma once

#include <array>
#include <cstdint>

#include "model/terrain.hpp"

namespace swd {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// Neighbour offsets in square rings: 0..7 ring 1, 8 the cell itself, 9..24 ring 2,
// 25..48 ring 3. A loop over 0..8, 0..24 or 0..48 covers the 3x3, 5x5 or 7x7 block.
inline constexpr std::array<int, 49> RingOffsetX{
    -1, 0,  1,  -1, 1, -1, 0, 1,  0, -2, -1, 0,  1, 2,  -2, 2,  -2, 2,  -2, 2,  -2, -1, 0, 1, 2,
    -3, -2, -1, 0,  1, 2,  3, -3, 3, -3, 3,  -3, 3, -3, 3,  -3, 3,  -3, -2, -1, 0,  1,  2, 3};
inline constexpr std::array<int, 49> RingOffsetY{
    1, 1, 1, 0, 0, -1, -1, -1, 0, 2, 2, 2, 2, 2,  1,  1,  0,  0,  -1, -1, -2, -2, -2, -2, -2,
    3, 3, 3, 3, 3, 3,  3,  2,  2, 1, 1, 0, 0, -1, -1, -2, -2, -3, -3, -3, -3, -3, -3, -3};

// Entries of the ring tables, first to last, that make up the blocks round a cell.
struct RingSpan {
  int first, last;
};
inline constexpr RingSpan kRing1{0, 7};   // the eight neighbours
inline constexpr RingSpan kBlock3{0, 8};  // the 3x3 block, the cell itself included
inline constexpr RingSpan kRing2{9, 24};  // the sixteen cells two steps away
inline constexpr RingSpan kBlock5{0, 24};
inline constexpr RingSpan kBlock7{0, 48};

// Per-class tables that depend on the landscape type only.
struct ClassTables {
  std::array<std::uint8_t, kClassCount> ClassBaseHeight{};
  std::array<std::uint8_t, kClassCount> ClassPropertyCode{};
  std::array<Rgb, 16> ClassPreviewColour{};
};

// Amount tables from the map size (entry kGraniteEntry stands for granite) and their
// working copies for the coming run.
struct AmountTables {
  std::array<float, 12> RegionCountBase{};
  std::array<float, 12> RegionMinSizeBase{};
  std::array<float, 12> RegionMaxSizeBase{};
  std::array<float, 12> RegionCount{};
  std::array<float, 12> RegionMinSize{};
  std::array<float, 12> RegionMaxSize{};
  std::array<double, 12> DecorationDenseRange{};
  std::array<double, 12> DecorationBaseRange{};
  std::array<double, 12> DecorationRange{};
};

}  // namespace swd
