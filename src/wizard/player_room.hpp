#pragma once

#include <QString>
#include <optional>

#include "model/settings.hpp"

namespace swd::wizard {

// How many players a map of a size and base shape has room for, as measured from
// generated maps (player_room.cpp), and the warning the players page shows when the
// chosen number rarely finds room.

enum class BaseShape { NoIsland, Island, IslandSymmetric, Spiral, SpiralWithRing, Ring, Picture };

// The base shape the settings make: without "Insel" none; without the extended settings
// a plain island.
BaseShape BaseShapeOf(const GeneratorSettings& s);

// The share of measured maps (percent) of the shape and size on which `players` (1..7)
// all found room; no value for the picture shape, which no table can know. Sizes between
// the measured ones count as the next smaller measured map of the same area.
std::optional<int> PercentWithRoom(BaseShape shape, int width, int height, int players);

// The warning for the settings' size, shape and players, in the wizard's language; empty
// when at least 9 of 10 such maps hold them all.
QString PlayerRoomWarning(const GeneratorSettings& s);

}  // namespace swd::wizard
