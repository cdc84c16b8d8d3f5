#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace swd {

// Eight cells of a layer row handled at once as the bytes of one word. Every operation
// here keeps within its bytes (no carry or borrow crosses from one to the next), so a
// byte's result depends on that byte alone, whatever the machine's byte order.

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101;

// The eight bytes from p on.
inline std::uint64_t LoadEightCells(const std::uint8_t* p) {
  std::uint64_t v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}
// Stores the first n <= 8 bytes of v from p on.
inline void StoreCells(std::uint8_t* p, std::uint64_t v, int n = 8) {
  std::uint8_t bytes[sizeof v];
  std::memcpy(bytes, &v, sizeof v);
  std::memcpy(p, bytes, static_cast<std::size_t>(n));
}

// 1 in every byte of `cells` that equals `value`, 0 in every other one.
inline std::uint64_t CellsEqual(std::uint64_t cells, std::uint8_t value) {
  constexpr std::uint64_t kLow7Bits = 0x7F7F7F7F7F7F7F7F;
  const std::uint64_t v = cells ^ (kEveryByte * value);  // 0 where equal
  return ~(((v & kLow7Bits) + kLow7Bits) | v | kLow7Bits) >> 7;
}

// The bytes of the first n < 8 cells of a loaded word: the only place the byte order shows.
inline std::uint64_t FirstCells(int n) {
  const std::uint64_t low = (std::uint64_t{1} << (8 * n)) - 1;
  return std::endian::native == std::endian::little ? low : low << (8 * (8 - n));
}

// The sum of the bytes of a word whose bytes add up to less than 256.
inline int SumOfCells(std::uint64_t v) {
  return static_cast<int>((v * kEveryByte) >> 56);
}

}  // namespace swd
