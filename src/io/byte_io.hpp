#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace swd {

// Little-endian helpers for the file formats: Put appends, Set writes in place, Get reads.
inline void SetU16(std::uint8_t* p, unsigned v) {
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
inline void SetU32(std::uint8_t* p, std::uint32_t v) {
  SetU16(p, v & 0xFFFF);
  SetU16(p + 2, v >> 16);
}
inline void PutU16(std::vector<std::uint8_t>& out, unsigned v) {
  out.resize(out.size() + 2);
  SetU16(out.data() + out.size() - 2, v);
}
inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}
inline unsigned GetU16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
inline std::uint32_t GetU32(const std::uint8_t* p) {
  return GetU16(p) | (static_cast<std::uint32_t>(GetU16(p + 2)) << 16);
}

}  // namespace swd
