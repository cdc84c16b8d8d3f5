#include "finish/start_ground.hpp"

#include <algorithm>

namespace swd {

StartGround ReadStartGround(const SwdMap& map) {
  StartGround g;
  g.width = map.Width();
  g.height = map.Height();
  g.facts = FactsOfVertices(map);
  g.land = BuildWalkGraph(g.facts, g.width, g.height, StartGround::kWalk);
  g.sites = RateBuildingSites(map, g.facts);
  g.here = FiguresOfVertices(map, g.sites);
  return g;
}

bool InAnyBlock(int width, int height, VertexPos v, const std::vector<VertexPos>& starts) {
  return std::any_of(starts.begin(), starts.end(), [&](VertexPos s) {
    const auto gap = [](int a, int b, int size) {
      const int d = a > b ? a - b : b - a;
      return std::min(d, size - d);
    };
    return gap(v.x, s.x, width) <= kBlockReach && gap(v.y, s.y, height) <= kBlockReach;
  });
}

bool ReadBlocksAgain(StartGround& g, const SwdMap& map, const std::vector<VertexPos>& starts) {
  bool walk_changed = false;
  for (const VertexPos s : starts) {
    ForEachInBlock(g.width, g.height, s, [&](VertexPos v) {
      const std::size_t i = g.Index(v);
      g.facts[i] = FactsOfVertex(map, v.x, v.y);
      const std::uint8_t enterable = CanEnter(g.facts[i], StartGround::kWalk) ? 1 : 0;
      walk_changed = walk_changed || enterable != g.land.enterable[i];
      g.land.enterable[i] = enterable;
    });
  }
  return walk_changed;
}

}  // namespace swd
