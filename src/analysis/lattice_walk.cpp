#include "analysis/lattice_walk.hpp"

#include <cassert>
#include <queue>

#include "mapfile/lattice.hpp"

namespace swd {

LatticeWalk WalkLattice(int width, int height, const std::vector<std::uint8_t>& passable,
                        const std::vector<VertexPos>& starts, int limit) {
  assert(starts.size() <= kMostWalkStarts);
  const std::size_t count = static_cast<std::size_t>(width) * height;
  LatticeWalk walk{std::vector<int>(count, -1), std::vector<std::uint8_t>(count, 0)};
  // Breadth first: every vertex at distance d leaves the queue before the first one at d + 1,
  // so the owners of a vertex are complete before it passes them on.
  std::queue<VertexPos> queue;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t at = VertexIndex(width, starts[i].x, starts[i].y);
    if (walk.distance[at] < 0) queue.push(starts[i]);
    walk.distance[at] = 0;
    walk.owners[at] |= static_cast<std::uint8_t>(1u << i);
  }
  while (!queue.empty()) {
    const VertexPos v = queue.front();
    queue.pop();
    const std::size_t from = VertexIndex(width, v.x, v.y);
    const int next = walk.distance[from] + 1;
    if (limit != kNoStepLimit && next > limit) continue;
    for (const Direction d : kDirections) {
      const auto [nx, ny] = LatticeNeighbour(v.x, v.y, d, width, height);
      const std::size_t to = VertexIndex(width, nx, ny);
      if (walk.distance[to] < 0) {
        walk.distance[to] = next;
        walk.owners[to] = walk.owners[from];
        if (passable[to] != 0) queue.push({nx, ny});
      } else if (walk.distance[to] == next) {
        walk.owners[to] |= walk.owners[from];
      }
    }
  }
  return walk;
}

}  // namespace swd
