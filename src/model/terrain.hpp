#pragma once

#include <cstdint>

#include "model/messages.hpp"

namespace swd {

// The terrain classes the steps lay into TerrainLayerA and TerrainLayerB until the
// conversion turns them into the game's codes. The names are Grünland's; each landscape
// type shows its own (ClassName): class 6 is Ödland's "Ödland" and Winterland's ice, class 8
// Ödland's second lava and Winterland's large floes. The number is also the index of every
// per-class table and of the sliders on the proportions page.
enum TerrainClass : int {
  OpenLand = 0,
  Water = 1,  // also moor
  Forest = 2,
  Swamp = 3,
  Savanna = 4,
  Steppe = 5,
  Desert = 6,
  Mountain = 7,
  Snow = 8,
  MountainMeadow = 9,
  Lava = 10,
};
inline constexpr int kClassCount = 11;

// Not a class: the entry of the amount tables and the preview colours that granite uses.
inline constexpr int kGraniteEntry = 11;

// PropertyLayer value of a cell that carries a tree or granite, or lies under a snow or lava
// peak; the object steps leave such cells alone.
inline constexpr std::uint8_t kOccupied = 104;

// The names the pages show for a terrain class and a landscape type (MessageKey::None
// outside the tables), and their German.
MessageKey ClassNameKey(int landscape_type, int terrain_class);
MessageKey LandscapeTypeKey(int landscape_type);
const char* ClassName(int landscape_type, int terrain_class);
const char* LandscapeTypeName(int landscape_type);

}  // namespace swd
