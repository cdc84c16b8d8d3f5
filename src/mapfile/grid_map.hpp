#pragma once

#include "mapfile/swd_map.hpp"
#include "model/generator.hpp"

namespace swd {

// The map the grid holds once its terrain layers carry game codes, as the map file will hold
// it: the layers over the map area and a header with the run's players and headquarters
// (title and author are the writer's). The steps that judge a finished map by the game's
// rules work on this copy and give their changes back with StoreInGrid.
SwdMap MapOfGrid(const Generator& g);

// Writes the map's layers back into the grid over the map area, and its players and
// headquarters into the run.
void StoreInGrid(Generator& g, const SwdMap& map);

}  // namespace swd
