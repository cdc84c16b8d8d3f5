#pragma once

#include <cstdint>

namespace swd {

// What the game allows on a triangle, by its terrain code (the lower six bits of a terrain
// layer's byte).
enum class TerrainKind : std::uint8_t {
  Buildable,   // savannah, meadows, steppe, mountain meadow, buildable water and mountain
  Mountain,    // mines
  Desert,      // walking and flags only
  Water,       // impassable; ships on code 5
  Swamp,       // impassable
  SnowOrLava,  // impassable, and nothing may be built at its corners
  Unknown,     // a code the game does not know: it refuses the map
};
inline constexpr int kTerrainKindCount = 7;

inline constexpr int TerrainCode(std::uint8_t layer_byte) {
  return layer_byte & 0x3F;
}

constexpr TerrainKind KindOfTerrain(int code) {
  switch (code) {
    case 0:
    case 6:
    case 8:
    case 9:
    case 10:
    case 14:
    case 15:
    case 18:
    case 34:
      return TerrainKind::Buildable;
    case 1:
    case 11:
    case 12:
    case 13:
      return TerrainKind::Mountain;
    case 4:
    case 7:
      return TerrainKind::Desert;
    case 5:
    case 19:
      return TerrainKind::Water;
    case 3:
      return TerrainKind::Swamp;
    case 2:
    case 16:
    case 20:
    case 21:
    case 22:
      return TerrainKind::SnowOrLava;
    default:
      return TerrainKind::Unknown;
  }
}

constexpr bool AllowsWalking(TerrainKind k) {
  return k == TerrainKind::Buildable || k == TerrainKind::Mountain || k == TerrainKind::Desert;
}

}  // namespace swd
