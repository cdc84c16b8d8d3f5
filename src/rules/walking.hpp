#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "mapfile/lattice.hpp"
#include "rules/vertex_facts.hpp"

namespace swd {

// Which obstacles a walk respects. At the start of a game granite blocks the way; over the
// land at all it does not, as it can be quarried. Trees never block: people walk among them.
enum class WalkRule : std::uint8_t { GameStart, OverLand };

// Where the game's people can go on foot, as the game decides it:
//  - a vertex can be entered when none of its six triangles is snow or lava (the game never
//    lets anyone next to them), at least one can be walked on, and no blocking object stands
//    on it;
//  - a step to a neighbour crosses an edge, and the two triangles beside it must both be
//    free of snow and lava and at least one of them walkable: a band of swamp or water
//    parts the land even where the vertices on either side can be entered.
struct WalkGraph {
  int width = 0, height = 0;
  std::vector<std::uint8_t> enterable;  // per vertex, index x + width * y
  std::vector<std::uint8_t> steps;      // per vertex: bit d set where a step towards
                                        // kDirections[d] may be taken
  // per vertex: the index of its neighbour towards kDirections[d], wrapped round the edges,
  // worked out once for the many walks of a search
  std::vector<std::array<std::uint32_t, 6>> next;
  bool CanStep(std::size_t from, int direction) const {
    return (steps[from] & (1u << direction)) != 0;
  }
};

// The bit of `steps` for each direction.
inline constexpr int DirectionBit(Direction d) {
  for (int i = 0; i < 6; ++i) {
    if (kDirections[static_cast<std::size_t>(i)] == d) return i;
  }
  return 0;
}

bool CanEnter(const VertexFacts& f, WalkRule rule);

// The steps that may be taken from a vertex with these facts, as the bits of WalkGraph::steps.
std::uint8_t AllowedSteps(const VertexFacts& f);
// Whether the step towards d may be taken from a vertex with these facts.
inline bool CanStepTowards(const VertexFacts& f, Direction d) {
  return (AllowedSteps(f) & (1u << DirectionBit(d))) != 0;
}

WalkGraph BuildWalkGraph(const std::vector<VertexFacts>& facts, int width, int height,
                         WalkRule rule);

}  // namespace swd
