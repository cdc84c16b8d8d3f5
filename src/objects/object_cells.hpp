#pragma once

#include <cstdint>

#include "model/generator.hpp"

namespace swd {

// A tree of `type` whose object number is drawn from first..last; with `mirrored` the
// mirror cell gets the same type and a number of its own. Both cells become occupied.
void PlantTree(Generator& g, int x, int y, std::uint8_t type, int first, int last, bool mirrored);

}  // namespace swd
