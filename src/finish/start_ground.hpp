#pragma once

#include <vector>

#include "analysis/start_areas.hpp"
#include "mapfile/swd_map.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/site_rating.hpp"
#include "rules/vertex_facts.hpp"
#include "rules/walking.hpp"

namespace swd {

// What choosing and balancing the starts read of a finished map, once: the rules' facts and
// sites, the walk over the land (rocks quarried, as the analysis counts a start's area) and
// what each vertex adds to a start's figures.
struct StartGround {
  static constexpr WalkRule kWalk = WalkRule::OverLand;  // of `land`
  int width = 0, height = 0;
  std::vector<VertexFacts> facts;
  std::vector<SiteSize> sites;
  WalkGraph land;
  std::vector<VertexFigures> here;

  std::size_t Index(VertexPos v) const { return VertexIndex(width, v.x, v.y); }
};
StartGround ReadStartGround(const SwdMap& map);

// Ground the balance of wood and stone may use. Trees grow wherever a walkable vertex
// touches building ground: on the coasts of small islands too, where a start's area may
// hold little else. Rocks lie on any land that can be walked.
inline bool RoomForATree(const VertexFacts& f) {
  return CanEnter(f, WalkRule::GameStart) && f.buildable_ring != 0;
}
inline bool RoomForARock(const VertexFacts& f) {
  return CanEnter(f, WalkRule::GameStart);
}

// The 5 x 5 block round a start, two columns and rows each way, wrapped round the edges.
inline constexpr int kBlockReach = 2;
template <class F>
void ForEachInBlock(int width, int height, VertexPos centre, F f) {
  for (int dy = -kBlockReach; dy <= kBlockReach; ++dy) {
    for (int dx = -kBlockReach; dx <= kBlockReach; ++dx)
      f(VertexPos{(centre.x + dx + width) % width, (centre.y + dy + height) % height});
  }
}
bool InAnyBlock(int width, int height, VertexPos v, const std::vector<VertexPos>& starts);

// Reads the facts of the starts' blocks again, and whether the walk over the land may enter
// them, once the blocks are prepared on `map`: clearing their objects changes nothing else
// that the facts and the walk hold. The sites and figures stay as they were read. True where
// the walk may now enter a vertex it could not, or the other way round.
bool ReadBlocksAgain(StartGround& g, const SwdMap& map, const std::vector<VertexPos>& starts);

// Vertex (x, y) mirrored through the map's centre, as a symmetric island mirrors it.
inline VertexPos Mirrored(int width, int height, VertexPos v) {
  return {(width - v.x) % width, (height - v.y) % height};
}

}  // namespace swd
