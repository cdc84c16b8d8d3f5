#pragma once

// The map code: one short text that holds every setting and the seed of a map, so that a
// map maker can pass a map on. "SWD1-" and then Crockford's base 32 (digits and letters
// without I, L, O and U; read in either case, I and L as 1, O as 0, dashes ignored) of
//
//   [settings number][seed, 32 bits][checksum, 20 bits]
//
// The settings number is the mixed-radix number whose digits are the settings in the order
// of their code places (setting_table.hpp), each digit how far the value lies past the
// default among the row's values (modulo their count): settings at their defaults are the
// digit 0 and cost nothing, and the default settings are the number 0. A "Spezial" picture
// cannot travel in a code; its place holds a 20-bit hash of the picture instead. The number
// is written with as few bits as it needs, padded at the front to whole characters; the
// checksum is a CRC over the version and every bit before it, which catches every mistyped
// character, two swapped neighbours and almost every missing or extra one. A setting added
// to the table takes the next code place: codes made before it decode with it at its
// default, and a code that uses it is refused by older programs as from a newer version.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/messages.hpp"
#include "model/settings.hpp"

namespace swd {

inline constexpr int kMapCodeVersion = 1;
inline constexpr std::size_t kMapCodeMaxLength = 64;

struct MapCode {
  GeneratorSettings settings;  // without a picture path
  std::uint32_t seed = 0;
  std::optional<std::uint32_t> picture_hash;  // with the "Spezial" shape
};

// The code of a run with `settings` and `seed`; `picture_hash` is PictureHash of the
// picture the "Spezial" shape builds from.
std::string EncodeMapCode(const GeneratorSettings& settings, std::uint32_t seed,
                          std::optional<std::uint32_t> picture_hash = std::nullopt);

struct MapCodeRead {
  std::optional<MapCode> code;
  Message problem;  // when there is no code: what is wrong with the text
};
MapCodeRead DecodeMapCode(std::string_view text);

// The 20-bit hash of a picture's palette indices (PictureRead::pixels) that a code holds.
std::uint32_t PictureHash(std::span<const std::uint8_t> pixels);

// Whether a picture with these pixels, at `path`, is the picture of the code; an empty
// message when it is (or the code needs none).
Message CheckCodePicture(const MapCode& code, std::span<const std::uint8_t> pixels,
                         const std::string& path);

}  // namespace swd
