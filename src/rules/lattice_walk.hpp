#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/walking.hpp"

namespace swd {

struct VertexPos {
  int x = 0, y = 0;
  bool operator==(const VertexPos&) const = default;
};

// Where the vertex (x, y) of a map `width` wide lies in the per-vertex arrays: row by row.
inline std::size_t VertexIndex(int width, int x, int y) {
  return static_cast<std::size_t>(x) + static_cast<std::size_t>(width) * y;
}

// Where a walk over the vertex lattice (six neighbours, wrapped round every edge) got to.
struct LatticeWalk {
  // Steps from the nearest start, or -1 where no start got within the limit.
  std::vector<int> distance;
  // Bit i set: start i got there first; several bits: a tie, the vertex is shared.
  std::vector<std::uint8_t> owners;
  // Every vertex with a distance, in the order reached: a walk with a limit reaches a small
  // part of a large map, and what reads it need not look at the rest.
  std::vector<std::size_t> reached;
  // The vertices still to walk on from: kept only so that a walk done again and again does
  // not grow it anew each time.
  std::vector<std::size_t> queue;
};

inline constexpr int kNoStepLimit = -1;
inline constexpr int kMostWalkStarts = 8;  // one bit of `owners` each

// Walks from every start at once, one step at a time, up to `limit` steps (kNoStepLimit: as
// far as the land goes), entering only what the graph lets be entered by the steps it
// allows. A vertex that cannot be entered next to one that was is reached all the same,
// which is how the granite, rocks and water at the edge of the walkable land are counted:
// someone can stand beside them. A start walks on from its own vertex whether it could be
// entered or not (a headquarters stands there). At most kMostWalkStarts starts.
LatticeWalk WalkLattice(const WalkGraph& graph, const std::vector<VertexPos>& starts, int limit);
// The same into `walk`, whose room is used again (only what its last walk reached is
// cleared): for a search that walks many times.
void WalkLattice(const WalkGraph& graph, const std::vector<VertexPos>& starts, int limit,
                 LatticeWalk& walk);

// The steps from `from` to the nearest vertex marked in `targets` (index x + width * y),
// walking as WalkLattice does without a limit; none if no marked vertex can be reached. A
// target is entered by an allowed step even where its vertex could not be entered, as a
// walk's goal may be a headquarters. The walk ends at the first target it meets: it meets
// them nearest first.
std::optional<int> StepsToNearest(const WalkGraph& graph, VertexPos from,
                                  const std::vector<std::uint8_t>& targets);

// The parts of the lattice that can be walked between: every vertex that can be entered
// gets the number (from 0) of its part, every other vertex -1.
struct WalkParts {
  std::vector<int> part;
  int count = 0;
};
WalkParts SplitIntoParts(const WalkGraph& graph);

// The part of the lattice a start at `at` walks into: its own where its vertex can be
// entered, else that of the first neighbour it can step into; -1 where it can go nowhere.
int PartOfStart(const WalkGraph& graph, const WalkParts& parts, VertexPos at);

}  // namespace swd
