#include "render/terrain_colours.hpp"

#include <array>

namespace swd {

namespace {

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

struct CodeColours {
  int code;
  std::array<Rgb, 3> by_type;  // Grünland, Ödland, Winterland
};

// The colours of the game's overview map, one column per landscape type. Ödland's water and
// moor are a murky blue here rather than the overview's olive, which would hide the shore
// against Ödland's pastures.
constexpr std::array<CodeColours, 23> kColours{{
    {0, {Hex(0x649014), Hex(0x444850), Hex(0xA0ACCC)}},   // savannah, steppe, taiga
    {1, {Hex(0x9C8058), Hex(0x706C54), Hex(0x54586C)}},   // mountain 1
    {2, {Hex(0xFFFFFF), Hex(0x860000), Hex(0x00286C)}},   // snow, lava, ice floe
    {3, {Hex(0x649014), Hex(0x001820), Hex(0x00286C)}},   // swamp, lava stones, ice floes
    {4, {Hex(0xC09C7C), Hex(0x9C7C64), Hex(0x0070B0)}},   // desert, wasteland, ice
    {5, {Hex(0x1038A4), Hex(0x34506C), Hex(0x1038A4)}},   // water, moor
    {6, {Hex(0x1038A4), Hex(0x34506C), Hex(0x1038A4)}},   // buildable water
    {7, {Hex(0xC09C7C), Hex(0x9C7C64), Hex(0x0070B0)}},   // desert 2
    {8, {Hex(0x48780C), Hex(0x5C5840), Hex(0xB0A494)}},   // meadow, pasture, tundra 1
    {9, {Hex(0x649014), Hex(0x646048), Hex(0x88A874)}},   // meadow, pasture, tundra 2
    {10, {Hex(0x407008), Hex(0x646048), Hex(0xA0ACCC)}},  // meadow, pasture, tundra 3
    {11, {Hex(0x9C8058), Hex(0x706454), Hex(0x60607C)}},  // mountain 2
    {12, {Hex(0x9C8058), Hex(0x684C24), Hex(0x686C8C)}},  // mountain 3
    {13, {Hex(0x8C7048), Hex(0x684C24), Hex(0x686C8C)}},  // mountain 4
    {14, {Hex(0x88B028), Hex(0x88B028), Hex(0x88B15E)}},  // steppe, light steppe, tundra 4
    {15, {Hex(0x48780C), Hex(0x444850), Hex(0x7C84AC)}},  // flowers
    {16, {Hex(0xC02020), Hex(0xC32020), Hex(0xC02020)}},  // lava
    {18, {Hex(0x9C8058), Hex(0x001820), Hex(0x94A0C0)}},  // mountain meadow, snow
    {19, {Hex(0x1038A4), Hex(0x34506C), Hex(0x1038A4)}},  // water without ships
    {20, {Hex(0xC02020), Hex(0xC32020), Hex(0xC02020)}},  // lava 2
    {21, {Hex(0xC02020), Hex(0xC32020), Hex(0xC02020)}},  // lava 3
    {22, {Hex(0xC02020), Hex(0xC32020), Hex(0xC02020)}},  // lava 4
    {34, {Hex(0x9C8058), Hex(0x706454), Hex(0x60607C)}},  // buildable mountain
}};

}  // namespace

std::optional<Rgb> TerrainColour(int landscape_type, int code) {
  if (landscape_type < 0 || landscape_type > 2) return std::nullopt;
  for (const CodeColours& c : kColours) {
    if (c.code == code) return c.by_type[static_cast<std::size_t>(landscape_type)];
  }
  return std::nullopt;
}

}  // namespace swd
