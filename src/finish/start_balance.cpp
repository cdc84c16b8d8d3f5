#include <algorithm>
#include <array>
#include <bit>

#include "analysis/map_analysis.hpp"
#include "analysis/start_areas.hpp"
#include "finish/fair_starts.hpp"
#include "finish/start_ground.hpp"
#include "mapfile/grid_map.hpp"
#include "mapfile/object_codes.hpp"
#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "objects/object_cells.hpp"
#include "objects/object_steps.hpp"
#include "rules/seas.hpp"

namespace swd {

namespace {

// Where the balance may add a tree or a rock for a start: free ground that only this start's
// area holds, outside every start's block, a step away from the start's own block and two
// from any harbour place, so that the start and the harbours stay large sites. A tree or a
// rock takes the site it stands on and makes those beside it smaller, so ground that spoils
// no site comes first, then ground beside small, medium and mine sites, and ground beside a
// large site last: large sites are what a start has least of.
enum Harm : std::size_t { kSpoilsNothing, kSpoilsSmallSites, kSpoilsALargeSite, kHarms };
struct Room {
  std::array<std::vector<VertexPos>, kHarms> by_harm;
  bool Holds(VertexPos v) const {
    return std::any_of(by_harm.begin(), by_harm.end(), [&](const auto& tier) {
      return std::find(tier.begin(), tier.end(), v) != tier.end();
    });
  }
};

Harm HarmOf(SiteSize site) {
  switch (site) {
    case SiteSize::Nothing:
    case SiteSize::Flag:
      return kSpoilsNothing;
    case SiteSize::Large:
      return kSpoilsALargeSite;
    default:
      return kSpoilsSmallSites;
  }
}

bool NearHarbour(const SwdMap& map, VertexPos v) {
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      const int x = (v.x + dx + map.Width()) % map.Width();
      const int y = (v.y + dy + map.Height()) % map.Height();
      if (MarksHarbour(map, x, y)) return true;
    }
  }
  return false;
}

template <class Ground>
Room RoomOf(const SwdMap& map, const StartGround& g, const LatticeWalk& walk, std::size_t start,
            const std::vector<VertexPos>& starts, Ground ground) {
  Room room;
  const VertexPos own = starts[start];
  for (const std::size_t i : walk.reached) {
    const int x = static_cast<int>(i % static_cast<std::size_t>(g.width));
    const int y = static_cast<int>(i / static_cast<std::size_t>(g.width));
    const VertexPos v{x, y};
    if (walk.owners[i] != (1u << start) || !ground(g.facts[i]) ||
        map.At(ObjectTypeLayer, x, y) != 0 || InAnyBlock(g.width, g.height, v, starts) ||
        LatticeDistance(x, y, own.x, own.y, g.width, g.height) <= kBlockReach + 1 ||
        NearHarbour(map, v)) {
      continue;
    }
    Harm harm = HarmOf(g.sites[i]);
    for (const Direction d : kDirections) {
      const auto [nx, ny] = LatticeNeighbour(x, y, d, g.width, g.height);
      harm = std::max(harm, HarmOf(g.sites[g.Index({nx, ny})]));
    }
    room.by_harm[harm].push_back(v);
  }
  return room;
}

// Draws a vertex of the room, the least harmful ground first, and takes it out of the room.
std::optional<VertexPos> Draw(Generator& g, Room& room) {
  const auto tier = std::find_if(room.by_harm.begin(), room.by_harm.end(),
                                 [](const auto& t) { return !t.empty(); });
  if (tier == room.by_harm.end()) return std::nullopt;
  std::vector<VertexPos>& from = *tier;
  const int k = RandomInt(g, 0, static_cast<int>(from.size()) - 1);
  const VertexPos v = from[static_cast<std::size_t>(k)];
  from.erase(from.begin() + k);
  return v;
}

bool Taken(const Generator& g, VertexPos v) {
  return g.grid(v.x, v.y, ObjectTypeLayer) != 0;
}

// A rock blocks the way until it is quarried, so it goes only where the walkable ground round
// it stays one piece without it: then every way through its vertex can go round it, and no
// rock closes a pass or a path along a coast, while the coasts of small islands, where a
// neighbour or two is water, still take rocks. It never lies beside another rock, so that
// rocks stay single piles rather than walls.
bool RockFits(const Generator& g, const StartGround& ground, VertexPos v) {
  // The neighbours in turn round the vertex, and the step from each to the next.
  static constexpr std::array<std::pair<Direction, Direction>, 6> kRound{{
      {Direction::E, Direction::SW},
      {Direction::SE, Direction::W},
      {Direction::SW, Direction::NW},
      {Direction::W, Direction::NE},
      {Direction::NW, Direction::E},
      {Direction::NE, Direction::SE},
  }};
  const VertexFacts& here = ground.facts[ground.Index(v)];
  std::array<bool, 6> open{};    // can be stepped to from the vertex
  std::array<bool, 6> onward{};  // and from there to the next in turn
  for (std::size_t i = 0; i < kRound.size(); ++i) {
    const auto [nx, ny] = LatticeNeighbour(v.x, v.y, kRound[i].first, ground.width, ground.height);
    const VertexFacts& f = ground.facts[ground.Index({nx, ny})];
    if (f.granite || KindOfObject(g.grid(nx, ny, ObjectTypeLayer)) == ObjectKind::Granite)
      return false;
    open[i] = RoomForARock(f) && CanStepTowards(here, kRound[i].first);
    onward[i] = open[i] && CanStepTowards(f, kRound[i].second);
  }
  int pieces = 0;
  for (std::size_t i = 0; i < kRound.size(); ++i) {
    const std::size_t before = (i + kRound.size() - 1) % kRound.size();
    if (open[i] && !onward[before]) ++pieces;
  }
  return pieces <= 1;
}

}  // namespace

void BalanceWoodAndStone(Generator& g, const SwdMap& map, const StartGround& ground,
                         const std::vector<VertexPos>& starts) {
  const LatticeWalk walk = WalkLattice(ground.land, starts, kDefaultRadius);
  // Wood and stone as the analysis counts them; the sites play no part.
  const AreaSums sums = SumAreas(
      walk, FiguresOfVertices(map, std::vector<SiteSize>(walk.owners.size())), starts.size());
  const double tree_level = kFigures[fig::Trees].level;
  const double rock_level = kFigures[fig::Granite].level;

  for (std::size_t i = 0; i < starts.size(); ++i) {
    double trees = sums.figures[i][fig::Trees];
    double rocks = sums.figures[i][fig::Granite];
    if (trees >= tree_level && rocks >= rock_level) continue;
    // Wood in small groups: a tree and, on a coin's throw, each open neighbour.
    Room room = RoomOf(map, ground, walk, i, starts, RoomForATree);
    while (trees < tree_level) {
      const auto v = Draw(g, room);
      if (!v) break;
      if (Taken(g, *v)) continue;
      std::vector<VertexPos> group{*v};
      for (const Direction d : kDirections) {
        const auto [nx, ny] = LatticeNeighbour(v->x, v->y, d, ground.width, ground.height);
        const VertexPos n{nx, ny};
        if (room.Holds(n) && !Taken(g, n) && RandomInt(g, 0, 1) == 1) group.push_back(n);
      }
      for (const VertexPos t : group) {
        const TreeKind& kind = kTreeKinds[static_cast<std::size_t>(RandomInt(g, 0, 3))];
        PlantTree(g, t.x, t.y, kind.type, kind.first, kind.last, false);
        trees += 1;
      }
    }
    // Stone in single rocks of the sizes the granite fields have.
    room = RoomOf(map, ground, walk, i, starts, RoomForARock);
    while (rocks < rock_level) {
      const auto v = Draw(g, room);
      if (!v) break;
      if (Taken(g, *v) || !RockFits(g, ground, *v)) continue;
      const int size = GraniteSizeClass(g);
      g.grid(v->x, v->y, ObjectTypeLayer) = static_cast<std::uint8_t>(204 + RandomInt(g, 0, 1));
      g.grid(v->x, v->y, ObjectIndexLayer) = static_cast<std::uint8_t>(size);
      g.grid(v->x, v->y, PropertyLayer) = kOccupied;
      rocks += size;
    }
    // After the search's share of the step's bar.
    const double done = static_cast<double>(i + 1) / static_cast<double>(starts.size());
    ReportProgress(g, kSearchShare + Percent(done * (100 - kSearchShare), 100));
  }
}

}  // namespace swd
