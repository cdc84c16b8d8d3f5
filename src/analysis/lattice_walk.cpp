#include "analysis/lattice_walk.hpp"

#include <cassert>

#include "mapfile/lattice.hpp"

namespace swd {

namespace {

// Breadth first from the vertices in `queue`, whose distance is set: every vertex at
// distance d is taken before the first one at d + 1, so vertices are met in the order of
// their distance. `met(from, to)` is told of a vertex the first time it is reached (its
// distance set; true ends the walk), `tie(from, to)` of a vertex reached again at the same
// distance. Only passable vertices are walked on from.
template <class Met, class Tie>
void WalkBreadthFirst(int width, int height, const std::vector<std::uint8_t>& passable, int limit,
                      std::vector<VertexPos> queue, std::vector<int>& distance, Met met, Tie tie) {
  // A vector read from the front: each vertex enters at most once.
  queue.reserve(distance.size());
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const VertexPos v = queue[head];
    const std::size_t from = VertexIndex(width, v.x, v.y);
    const int next = distance[from] + 1;
    if (limit != kNoStepLimit && next > limit) continue;
    for (const Direction d : kDirections) {
      const auto [nx, ny] = LatticeNeighbour(v.x, v.y, d, width, height);
      const std::size_t to = VertexIndex(width, nx, ny);
      if (distance[to] < 0) {
        distance[to] = next;
        if (met(from, to)) return;
        if (passable[to] != 0) queue.push_back({nx, ny});
      } else if (distance[to] == next) {
        tie(from, to);
      }
    }
  }
}

}  // namespace

LatticeWalk WalkLattice(int width, int height, const std::vector<std::uint8_t>& passable,
                        const std::vector<VertexPos>& starts, int limit) {
  assert(starts.size() <= kMostWalkStarts);
  const std::size_t count = static_cast<std::size_t>(width) * height;
  LatticeWalk walk{std::vector<int>(count, -1), std::vector<std::uint8_t>(count, 0)};
  std::vector<VertexPos> queue;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t at = VertexIndex(width, starts[i].x, starts[i].y);
    if (walk.distance[at] < 0) queue.push_back(starts[i]);
    walk.distance[at] = 0;
    walk.owners[at] |= static_cast<std::uint8_t>(1u << i);
  }
  // The owners of a vertex are complete before it passes them on.
  auto& owners = walk.owners;
  WalkBreadthFirst(
      width, height, passable, limit, std::move(queue), walk.distance,
      [&owners](std::size_t from, std::size_t to) {
        owners[to] = owners[from];
        return false;
      },
      [&owners](std::size_t from, std::size_t to) { owners[to] |= owners[from]; });
  return walk;
}

std::optional<int> StepsToNearest(int width, int height, const std::vector<std::uint8_t>& passable,
                                  VertexPos from, const std::vector<std::uint8_t>& targets) {
  const std::size_t at = VertexIndex(width, from.x, from.y);
  if (targets[at] != 0) return 0;
  std::vector<int> distance(static_cast<std::size_t>(width) * height, -1);
  distance[at] = 0;
  std::optional<int> steps;
  WalkBreadthFirst(
      width, height, passable, kNoStepLimit, {from}, distance,
      [&](std::size_t, std::size_t to) {
        if (targets[to] == 0) return false;
        steps = distance[to];
        return true;
      },
      [](std::size_t, std::size_t) {});
  return steps;
}

}  // namespace swd
