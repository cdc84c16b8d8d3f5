#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "mapfile/swd_map.hpp"
#include "rules/vertex_facts.hpp"

namespace swd {

// What the game lets a player build on a vertex of a fresh map, before any road or building
// stands. Small, Medium and Large form a ladder (each holds what the ones below hold); a
// mine is a kind of its own, which only the rules that leave a flag take away.
enum class SiteSize : std::uint8_t { Nothing, Flag, Small, Medium, Large, Mine };
inline constexpr int kSiteSizeCount = 6;

// The sizes as reports list them, largest first, with their names there.
struct SiteSizeName {
  SiteSize size;
  const char* key;
};
inline constexpr std::array<SiteSizeName, kSiteSizeCount> kSiteSizeNames{
    {{SiteSize::Large, "large"},
     {SiteSize::Medium, "medium"},
     {SiteSize::Small, "small"},
     {SiteSize::Mine, "mine"},
     {SiteSize::Flag, "flag"},
     {SiteSize::Nothing, "nothing"}}};

// The vertices two steps away from (x, y): the neighbours' neighbours that are neither the
// vertex nor one of its neighbours. On every map of the game's sizes they are twelve distinct
// ones; a map of odd height breaks the rows' alternation where it wraps, so room is kept for
// all six neighbours' six.
struct StepRing {
  std::array<std::pair<int, int>, 36> at{};
  int count = 0;
};
StepRing VerticesTwoStepsAway(int x, int y, int w, int h);

// The rating of every vertex, row by row (index x + width * y), as the game computes it:
//  1. a solid object on the vertex: nothing;
//  2. snow or lava among its six triangles: nothing; all six building terrain: a large
//     candidate; all six mountain: a mine; otherwise a flag where any of them can be walked;
//  3. a large candidate whose south-east neighbour is more than 1 higher, or with a neighbour
//     more than 3 higher or lower, holds a flag only, and with one of the twelve vertices two
//     steps away more than 2 higher or lower a small building; a mine whose south-east
//     neighbour is more than 3 higher holds a flag only;
//  4. granite next to it leaves a flag, a tree next to it at most a small building, a solid
//     object at W, NW or NE (where a large building reaches) at most a medium one;
//  5. a building needs its flag at the south-east neighbour: where no flag could stand there,
//     the vertex holds a flag only.
std::vector<SiteSize> RateBuildingSites(const SwdMap& map, const std::vector<VertexFacts>& facts);
std::vector<SiteSize> RateBuildingSites(const SwdMap& map);

// The rating of the one vertex (x, y), for a step that prepares a site and checks it.
SiteSize RateSite(const SwdMap& map, int x, int y);
// The same where the caller knows the facts of the vertices round it: `facts(x, y)`.
SiteSize RateSite(const SwdMap& map, int x, int y,
                  const std::function<VertexFacts(int, int)>& facts);

}  // namespace swd
