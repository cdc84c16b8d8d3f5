#pragma once

#include <optional>

#include "model/tables.hpp"

namespace swd {

// What a triangle looks like in the game, by landscape type (0 Grünland, 1 Ödland,
// 2 Winterland) and terrain code (the lower six bits of its byte). No value for a code the
// game does not know.
std::optional<Rgb> TerrainColour(int landscape_type, int code);

// The colour in which a picture shows a code the game does not know: one no terrain has.
inline constexpr Rgb kUnknownTerrainColour{255, 0, 255};

}  // namespace swd
