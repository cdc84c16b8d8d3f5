#include "rules/lattice_walk.hpp"

#include <cassert>

#include "mapfile/lattice.hpp"

namespace swd {

namespace {

// Breadth first from the vertices in `queue`, whose distance is set: every vertex at
// distance d is taken before the first one at d + 1, so vertices are met in the order of
// their distance. `met(from, to)` is told of a vertex the first time it is reached (its
// distance set; true ends the walk), `tie(from, to)` of a vertex reached again at the same
// distance. `goal(to)` marks vertices that are entered, though the graph would not let them
// be, by an allowed step; they are not walked on from.
template <class Met, class Tie, class Goal>
void WalkBreadthFirst(const WalkGraph& graph, int limit, std::vector<std::size_t>& queue,
                      std::vector<int>& distance, Met met, Tie tie, Goal goal) {
  // A vector read from the front: each vertex enters at most once.
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const std::size_t from = queue[head];
    const int next = distance[from] + 1;
    if (limit != kNoStepLimit && next > limit) continue;
    for (int d = 0; d < 6; ++d) {
      const std::size_t to = graph.next[from][static_cast<std::size_t>(d)];
      const bool enters = graph.enterable[to] != 0;
      // An enterable vertex counts only when reached by an allowed step: reached across a
      // band of swamp it may still be entered later, the long way round.
      if ((enters || goal(to)) && !graph.CanStep(from, d)) continue;
      if (distance[to] < 0) {
        distance[to] = next;
        if (met(from, to)) return;
        if (enters) queue.push_back(to);
      } else if (distance[to] == next) {
        tie(from, to);
      }
    }
  }
}

}  // namespace

LatticeWalk WalkLattice(const WalkGraph& graph, const std::vector<VertexPos>& starts, int limit) {
  LatticeWalk walk;
  WalkLattice(graph, starts, limit, walk);
  return walk;
}

void WalkLattice(const WalkGraph& graph, const std::vector<VertexPos>& starts, int limit,
                 LatticeWalk& walk) {
  assert(starts.size() <= kMostWalkStarts);
  const std::size_t count = static_cast<std::size_t>(graph.width) * graph.height;
  if (walk.distance.size() == count && walk.owners.size() == count) {
    for (const std::size_t at : walk.reached) {
      walk.distance[at] = -1;
      walk.owners[at] = 0;
    }
  } else {
    walk.distance.assign(count, -1);
    walk.owners.assign(count, 0);
  }
  walk.reached.clear();
  std::vector<std::size_t>& queue = walk.queue;
  queue.clear();
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t at = VertexIndex(graph.width, starts[i].x, starts[i].y);
    if (walk.distance[at] < 0) {
      queue.push_back(at);
      walk.reached.push_back(at);
    }
    walk.distance[at] = 0;
    walk.owners[at] |= static_cast<std::uint8_t>(1u << i);
  }
  // The owners of a vertex are complete before it passes them on.
  auto& owners = walk.owners;
  auto& reached = walk.reached;
  WalkBreadthFirst(
      graph, limit, queue, walk.distance,
      [&owners, &reached](std::size_t from, std::size_t to) {
        owners[to] = owners[from];
        reached.push_back(to);
        return false;
      },
      [&owners](std::size_t from, std::size_t to) { owners[to] |= owners[from]; },
      [](std::size_t) { return false; });
}

std::optional<int> StepsToNearest(const WalkGraph& graph, VertexPos from,
                                  const std::vector<std::uint8_t>& targets) {
  const std::size_t at = VertexIndex(graph.width, from.x, from.y);
  if (targets[at] != 0) return 0;
  std::vector<int> distance(static_cast<std::size_t>(graph.width) * graph.height, -1);
  distance[at] = 0;
  std::optional<int> steps;
  std::vector<std::size_t> queue{at};
  WalkBreadthFirst(
      graph, kNoStepLimit, queue, distance,
      [&](std::size_t, std::size_t to) {
        if (targets[to] == 0) return false;
        steps = distance[to];
        return true;
      },
      [](std::size_t, std::size_t) {}, [&targets](std::size_t to) { return targets[to] != 0; });
  return steps;
}

WalkParts SplitIntoParts(const WalkGraph& graph) {
  WalkParts parts{std::vector<int>(graph.enterable.size(), -1), 0};
  std::vector<std::size_t> queue;
  for (std::size_t seed = 0; seed < graph.enterable.size(); ++seed) {
    if (graph.enterable[seed] == 0 || parts.part[seed] >= 0) continue;
    const int id = parts.count++;
    parts.part[seed] = id;
    queue.assign(1, seed);
    for (std::size_t head = 0; head < queue.size(); ++head) {
      const std::size_t from = queue[head];
      for (int d = 0; d < 6; ++d) {
        if (!graph.CanStep(from, d)) continue;
        const std::size_t to = graph.next[from][static_cast<std::size_t>(d)];
        if (graph.enterable[to] == 0 || parts.part[to] >= 0) continue;
        parts.part[to] = id;
        queue.push_back(to);
      }
    }
  }
  return parts;
}

int PartOfStart(const WalkGraph& graph, const WalkParts& parts, VertexPos at) {
  const std::size_t here = VertexIndex(graph.width, at.x, at.y);
  if (parts.part[here] >= 0) return parts.part[here];
  for (int d = 0; d < 6; ++d) {
    if (!graph.CanStep(here, d)) continue;
    const int part = parts.part[graph.next[here][static_cast<std::size_t>(d)]];
    if (part >= 0) return part;
  }
  return -1;
}

}  // namespace swd
