#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

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
};

inline constexpr int kNoStepLimit = -1;
inline constexpr int kMostWalkStarts = 8;  // one bit of `owners` each

// Walks from every start at once, one step at a time, up to `limit` steps (kNoStepLimit: as
// far as the land goes). Only `passable` vertices (index x + width * y) are walked on, but
// a vertex next to one is reached all the same, which is how the trees, rocks and water at
// the edge of the walkable land are counted: someone can stand beside them. A start walks
// on from its own vertex whether it is passable or not. At most kMostWalkStarts starts.
LatticeWalk WalkLattice(int width, int height, const std::vector<std::uint8_t>& passable,
                        const std::vector<VertexPos>& starts, int limit);

// The steps from `from` to the nearest vertex marked in `targets` (index x + width * y),
// walking as WalkLattice does without a limit; none if no marked vertex can be reached.
// The walk ends at the first marked vertex it meets: it meets them nearest first.
std::optional<int> StepsToNearest(int width, int height, const std::vector<std::uint8_t>& passable,
                                  VertexPos from, const std::vector<std::uint8_t>& targets);

}  // namespace swd
