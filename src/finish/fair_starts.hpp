#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/figures.hpp"
#include "finish/start_ground.hpp"
#include "mapfile/swd_map.hpp"
#include "model/generator.hpp"
#include "rules/lattice_walk.hpp"

namespace swd {

// What the search for fair starts is asked for.
struct StartSearch {
  int wanted = 0;                   // players asked for
  std::vector<VertexPos> fallback;  // the random placement, kept where the search places fewer
  float min_distance = 0;           // steps between two starts at least
  bool symmetric = false;           // starts in mirrored pairs through (W - x, H - y)
  bool by_ship = false;             // harbour places will join land masses the sea parts
  std::uint8_t open_property = 0;   // PropertyLayer of a prepared block, as the random
                                    // placement leaves it
  // Told how far the search has got, in percent of the bar up to kSearchShare: on a large
  // map with many players it takes a good part of a second.
  std::function<void(int)> report;
};

// The share of the fair step's bar that the search takes; the balance takes the rest.
inline constexpr int kSearchShare = 90;

struct StartChoice {
  std::vector<VertexPos> starts;       // prepared, by player
  std::optional<double> index_before;  // fairness of the fallback on the same landscape
  WalkParts land_masses;               // of the walk over the land, before the blocks
};

// Chooses the starts on a finished map, read as `ground`, to make the starts as fair as the
// landscape allows, and prepares a flat, empty 5 x 5 block round each, which the game then
// rates a large site. Deterministic: the same map and search give the same starts.
StartChoice ChooseStarts(SwdMap& map, const StartGround& ground, const StartSearch& search);

// Where a start still has less wood or stone in reach than a start needs, adds tree groups
// and rocks inside its area, on open land outside every start's block, drawn from the map's
// random source, until it has the level or no room is left. Writes them into the grid.
void BalanceWoodAndStone(Generator& g, const SwdMap& map, const StartGround& ground,
                         const std::vector<VertexPos>& starts);

// The run's step with "Faire Startpositionen": the choice on the finished map, the harbour
// places that join the starts' land masses where the sea parts them (with "Hafenplätze
// anlegen"; the harbour step then has nothing left to do), and the balance of wood and stone.
void ChooseFairStarts(Generator& g);

}  // namespace swd
