#pragma once

#include <cstdint>

namespace swd {

// The game's codes in the object layers (ObjectTypeLayer with ObjectIndexLayer beside it)
// and the resource layer of a finished map, as the generator writes them and the game reads
// them.

// A start position: type 0x80 with the player's number less one as index. Engines that take
// the start positions only from the object layers need one for every player of the map.
inline constexpr std::uint8_t kStartPositionObject = 0x80;

enum class ObjectKind : std::uint8_t { None, Tree, Granite, Decoration, StartPosition, Other };

constexpr ObjectKind KindOfObject(std::uint8_t type) {
  if (type == 0) return ObjectKind::None;
  if (type >= 0xC4 && type <= 0xC6) return ObjectKind::Tree;
  if (type == 0xCC || type == 0xCD) return ObjectKind::Granite;
  if (type == 0xC8 || type == 0xC9) return ObjectKind::Decoration;
  if (type == kStartPositionObject) return ObjectKind::StartPosition;
  return ObjectKind::Other;
}

// Granite's index is its size, 1 (smallest) to 6.
inline constexpr int kLargestGranite = 6;

// What nobody can walk over or build on: trees, granite and the larger decorations.
constexpr bool IsSolidObject(std::uint8_t type, std::uint8_t index) {
  switch (KindOfObject(type)) {
    case ObjectKind::Tree:
    case ObjectKind::Granite:
      return true;
    case ObjectKind::Decoration:
      return index == 0x0B || (index >= 0x15 && index <= 0x21) || (index >= 0x2C && index <= 0x35);
    default:
      return false;
  }
}

enum class ResourceKind : std::uint8_t { None, Water, Coal, Iron, Gold, Granite, Fish };
inline constexpr int kResourceKindCount = 7;

struct Resource {
  ResourceKind kind = ResourceKind::None;
  int amount = 0;
};

// The resource of a vertex: water (0x20 none, 0x21 some) under land, the minerals 0x41..0x5F
// in eight-code bands with the amount in the low three bits, fish 0x81..0x8F in water.
constexpr Resource ResourceOf(std::uint8_t code) {
  if (code == 0x20 || code == 0x21) return {ResourceKind::Water, code - 0x20};
  if (code >= 0x81 && code <= 0x8F) return {ResourceKind::Fish, code - 0x80};
  constexpr ResourceKind kMinerals[] = {ResourceKind::Coal, ResourceKind::Iron, ResourceKind::Gold,
                                        ResourceKind::Granite};
  if (code >= 0x40 && code < 0x60 && (code & 7) != 0)
    return {kMinerals[(code - 0x40) / 8], code & 7};
  return {};
}

}  // namespace swd
