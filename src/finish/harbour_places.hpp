#pragma once

#include <vector>

#include "mapfile/swd_map.hpp"
#include "model/generator.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/vertex_facts.hpp"
#include "rules/walking.hpp"

namespace swd {

// Harbour places lie at least this many steps apart.
inline constexpr int kHarbourSpacing = 12;
// A land mass without a start that is worth sailing to: room for a town, in buildable
// vertices.
inline constexpr int kLandWorthASea = 300;

// Players whose land masses the sea parts can meet only by ship, and the game sails only
// from harbour places. Where the land parts a start from a rival, or a land mass of at least
// kLandWorthASea buildable vertices lies on the same sea as a start's land, this marks harbour
// places: one on each of these land masses for each sea they share, at least two on every
// sea that has any, kHarbourSpacing steps apart and never within four columns and rows of a
// start. Each place is prepared so that the game keeps it and builds a harbour there (see
// the .cpp). Returns the places, in the order they were marked.
std::vector<VertexPos> PlaceHarbours(SwdMap& map, const std::vector<VertexPos>& starts);
// The same where the map's facts and its walk over the land (WalkRule::OverLand) have been
// read already, and maybe its land masses (the walk's parts): they must be the map's as it
// stands.
std::vector<VertexPos> PlaceHarbours(SwdMap& map, const std::vector<VertexPos>& starts,
                                     const std::vector<VertexFacts>& facts,
                                     const WalkGraph& over_land,
                                     const WalkParts* land_masses = nullptr);

// The run's step: PlaceHarbours on the finished map, with the run's headquarters as starts.
void PrepareHarbourPlaces(Generator& g);

}  // namespace swd
