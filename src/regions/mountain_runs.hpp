#pragma once

#include <cstdint>
#include <vector>

#include "model/generator.hpp"

namespace swd {

// For every map cell, index x + MapWidth * y: how many class-7 cells follow each other from
// the cell on in direction (dx, dy), the cell itself included, wrapping round the edges and
// stopping after `cap` cells; 0 on other classes. One sweep over the map: each cell's run is
// its next cell's run plus one.
std::vector<std::int16_t> MountainRunLengths(const Generator& g, int dx, int dy, int cap);

}  // namespace swd
