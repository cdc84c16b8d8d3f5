#include "finish/harbour_places.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>

#include "mapfile/grid_map.hpp"
#include "mapfile/lattice.hpp"
#include "mapfile/object_codes.hpp"
#include "mapfile/terrain_codes.hpp"
#include "model/progress.hpp"
#include "rules/seas.hpp"
#include "rules/site_rating.hpp"
#include "rules/walking.hpp"

namespace swd {

namespace {

// The game keeps a marked place only next to the coast of a sea of more than 20 vertices,
// and builds a harbour there only where the building-site rule rates the vertex large. So a
// place is prepared as a large site: its six triangles buildable ground, its neighbours'
// heights within 3 of its own (the south-eastern, where its flag stands, at most 1 higher),
// those two steps away within 2, and no object on it or next to it. The water stays water:
// the sea vertex two steps away keeps its height, the place comes down to it.
constexpr int kConvertCost = 10;  // a triangle of other ground made buildable
constexpr int kObjectCost = 2;    // a tree, rock or decoration taken away
constexpr int kNearStart = 4;     // columns and rows round a start that stay as they are
constexpr int kMeadow = 8;        // buildable ground of every landscape type

struct Plan {
  VertexPos at;
  int cost = 0;
  int height = 0;  // of the place
  int ground = kMeadow;
};

// Who changes what: the vertex, its neighbours (the south-eastern among them) and the
// vertices two steps away.
struct Surroundings {
  std::array<VertexPos, 6> near{};
  VertexPos south_east;
  StepRing ring;
};

Surroundings SurroundingsOf(const SwdMap& map, VertexPos v) {
  Surroundings s;
  for (std::size_t d = 0; d < 6; ++d) {
    const auto [x, y] = LatticeNeighbour(v.x, v.y, kDirections[d], map.Width(), map.Height());
    s.near[d] = {x, y};
    if (kDirections[d] == Direction::SE) s.south_east = {x, y};
  }
  s.ring = VerticesTwoStepsAway(v.x, v.y, map.Width(), map.Height());
  return s;
}

int WrappedGap(int a, int b, int size) {
  const int d = a > b ? a - b : b - a;
  return std::min(d, size - d);
}

bool NearAStart(const SwdMap& map, VertexPos v, const std::vector<VertexPos>& starts) {
  return std::any_of(starts.begin(), starts.end(), [&](VertexPos s) {
    return WrappedGap(v.x, s.x, map.Width()) <= kNearStart &&
           WrappedGap(v.y, s.y, map.Height()) <= kNearStart;
  });
}

class HarbourBuilder {
 public:
  HarbourBuilder(SwdMap& map, const std::vector<VertexFacts>& facts,
                 const std::vector<VertexPos>& starts)
      : map_(map),
        starts_(starts),
        seas_(FindSeas(facts, map.Width(), map.Height())),
        coast_(facts, seas_, map.Width(), map.Height()) {}

  std::vector<int> SeasServed(VertexPos v) const { return coast_.SeasServed(v); }

  // What making v a harbour place would cost, or nothing where it cannot be one: on water,
  // next to snow or lava, beside an object that must stay, or between waters at heights no
  // place could be levelled to.
  std::optional<Plan> PlanAt(VertexPos v) const {
    if (NearAStart(map_, v, starts_)) return std::nullopt;
    Plan plan{v};
    std::array<int, 64> buildable{};  // triangles by code
    for (const TouchingTriangle& t : TrianglesAround(v.y)) {
      const int code = TerrainCode(Triangle(v, t));
      switch (KindOfTerrain(code)) {
        case TerrainKind::Buildable:
          ++buildable[code];
          break;
        case TerrainKind::Mountain:
        case TerrainKind::Desert:
        case TerrainKind::Swamp:
          plan.cost += kConvertCost;
          break;
        default:
          return std::nullopt;
      }
    }
    const auto most = std::max_element(buildable.begin(), buildable.end());
    if (*most > 0) plan.ground = static_cast<int>(most - buildable.begin());
    const Surroundings around = SurroundingsOf(map_, v);
    if (FactsOfVertex(map_, around.south_east.x, around.south_east.y).any_snow_or_lava) {
      return std::nullopt;
    }
    std::vector<VertexPos> cleared{v};
    cleared.insert(cleared.end(), around.near.begin(), around.near.end());
    for (const VertexPos c : cleared) {
      switch (KindOfObject(map_.At(ObjectTypeLayer, c.x, c.y))) {
        case ObjectKind::None:
          break;
        case ObjectKind::Tree:
        case ObjectKind::Granite:
        case ObjectKind::Decoration:
          plan.cost += kObjectCost;
          break;
        default:
          return std::nullopt;
      }
    }
    // The place's height: its own, as near as the sea vertices round it allow.
    int lo = 0;
    int hi = 255;
    ForEachLimit(v, around, [&](VertexPos n, int below, int above) {
      if (!IsSea(n)) return;
      lo = std::max(lo, Height(n) - above);
      hi = std::min(hi, Height(n) + below);
    });
    if (lo > hi) return std::nullopt;
    plan.height = std::clamp(Height(v), lo, hi);
    plan.cost += std::abs(plan.height - Height(v));
    ForEachLimit(v, around, [&](VertexPos n, int below, int above) {
      if (IsSea(n)) return;
      plan.cost +=
          std::abs(std::clamp(Height(n), plan.height - below, plan.height + above) - Height(n));
    });
    return plan;
  }

  // Prepares the planned place and keeps it where the game now rates it a large site that
  // serves a sea; else puts every byte back and says no.
  bool Prepare(const Plan& plan) {
    const VertexPos v = plan.at;
    undo_.clear();
    for (const TouchingTriangle& t : TrianglesAround(v.y)) {
      const VertexPos owner{WrapStep(v.x + t.dx, map_.Width()),
                            WrapStep(v.y + t.dy, map_.Height())};
      const std::uint8_t byte = map_.At(t.layer, owner.x, owner.y);
      if (KindOfTerrain(TerrainCode(byte)) != TerrainKind::Buildable) {
        Set(t.layer, owner, static_cast<std::uint8_t>((byte & ~0x3F) | plan.ground));
      }
    }
    Set(TerrainLayerA, v,
        static_cast<std::uint8_t>(map_.At(TerrainLayerA, v.x, v.y) | kHarbourBit));
    const Surroundings around = SurroundingsOf(map_, v);
    Set(HeightLayer, v, static_cast<std::uint8_t>(plan.height));
    ForEachLimit(v, around, [&](VertexPos n, int below, int above) {
      if (IsSea(n)) return;
      Set(HeightLayer, n,
          static_cast<std::uint8_t>(
              std::clamp(Height(n), plan.height - below, plan.height + above)));
    });
    std::vector<VertexPos> cleared{v};
    cleared.insert(cleared.end(), around.near.begin(), around.near.end());
    for (const VertexPos c : cleared) {
      if (map_.At(ObjectTypeLayer, c.x, c.y) == 0) continue;
      Set(ObjectTypeLayer, c, 0);
      Set(ObjectIndexLayer, c, 0);
    }
    if (RateSite(map_, v.x, v.y) == SiteSize::Large && !SeasServed(v).empty()) return true;
    for (auto it = undo_.rbegin(); it != undo_.rend(); ++it)
      map_.At(it->layer, it->at.x, it->at.y) = it->byte;
    return false;
  }

 private:
  struct Change {
    int layer;
    VertexPos at;
    std::uint8_t byte;
  };

  std::size_t Index(VertexPos v) const { return VertexIndex(map_.Width(), v.x, v.y); }
  int Height(VertexPos v) const { return map_.At(HeightLayer, v.x, v.y); }
  bool IsSea(VertexPos v) const { return seas_.sea[Index(v)] >= 0; }
  std::uint8_t Triangle(VertexPos v, const TouchingTriangle& t) const {
    return map_.At(t.layer, WrapStep(v.x + t.dx, map_.Width()),
                   WrapStep(v.y + t.dy, map_.Height()));
  }
  void Set(int layer, VertexPos at, std::uint8_t byte) {
    undo_.push_back({layer, at, map_.At(layer, at.x, at.y)});
    map_.At(layer, at.x, at.y) = byte;
  }

  // Calls f(vertex, how far below, how far above the place's height it may lie) for each
  // neighbour and each vertex two steps away.
  template <class F>
  void ForEachLimit(VertexPos v, const Surroundings& around, F f) const {
    for (const VertexPos n : around.near)
      f(n, 3, n == around.south_east ? 1 : 3);
    for (int i = 0; i < around.ring.count; ++i)
      f(VertexPos{around.ring.at[i].first, around.ring.at[i].second}, 2, 2);
    (void)v;
  }

  SwdMap& map_;
  const std::vector<VertexPos>& starts_;
  Seas seas_;
  Coast coast_;  // the seas stay as they are: no place turns water into land
  std::vector<Change> undo_;
};

// The land masses: the parts of the walk over the land at all (granite can be quarried),
// with the buildable vertices of each.
struct Land {
  const std::vector<VertexFacts>& facts;
  const WalkGraph& graph;
  const WalkParts& parts;
  std::vector<int> buildable;  // per part
};

Land LandOf(const std::vector<VertexFacts>& facts, const WalkGraph& graph, const WalkParts& parts) {
  Land land{facts, graph, parts, {}};
  land.buildable.assign(static_cast<std::size_t>(land.parts.count), 0);
  for (std::size_t i = 0; i < facts.size(); ++i) {
    if (facts[i].all_buildable && land.parts.part[i] >= 0)
      ++land.buildable[static_cast<std::size_t>(land.parts.part[i])];
  }
  return land;
}

}  // namespace

std::vector<VertexPos> PlaceHarbours(SwdMap& map, const std::vector<VertexPos>& starts) {
  const std::vector<VertexFacts> facts = FactsOfVertices(map);
  return PlaceHarbours(map, starts, facts,
                       BuildWalkGraph(facts, map.Width(), map.Height(), WalkRule::OverLand));
}

std::vector<VertexPos> PlaceHarbours(SwdMap& map, const std::vector<VertexPos>& starts,
                                     const std::vector<VertexFacts>& facts,
                                     const WalkGraph& over_land, const WalkParts* land_masses) {
  std::vector<VertexPos> placed;
  if (starts.empty()) return placed;
  WalkParts split;
  if (land_masses == nullptr) {
    split = SplitIntoParts(over_land);
    land_masses = &split;
  }
  const Land land = LandOf(facts, over_land, *land_masses);
  // The land masses a ship may have to reach: the starts' and those with room for a town.
  std::set<int> start_parts;
  for (const VertexPos s : starts) {
    const int part = PartOfStart(land.graph, land.parts, s);
    if (part >= 0) start_parts.insert(part);
  }
  std::vector<std::uint8_t> matters(static_cast<std::size_t>(land.parts.count), 0);
  int mattering = 0;
  for (int p = 0; p < land.parts.count; ++p) {
    const auto i = static_cast<std::size_t>(p);
    matters[i] = start_parts.count(p) != 0 || land.buildable[i] >= kLandWorthASea ? 1 : 0;
    mattering += matters[i];
  }
  if (start_parts.empty() || mattering < 2) return placed;  // one land mass: no ship needed

  HarbourBuilder builder(map, land.facts, starts);
  const auto part_at = [&](int x, int y) {
    return land.parts.part[VertexIndex(map.Width(), x, y)];
  };
  std::map<int, std::set<int>> parts_on_sea;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      const int part = part_at(x, y);
      if (part < 0 || matters[static_cast<std::size_t>(part)] == 0) continue;
      for (const int sea : builder.SeasServed({x, y}))
        parts_on_sea[sea].insert(part);
    }
  }
  // On each sea, a start's land mass and any other land mass that matters.
  std::set<std::pair<int, int>> needed;  // (sea, part)
  for (const auto& [sea, parts] : parts_on_sea) {
    for (const int p : parts) {
      if (start_parts.count(p) == 0) continue;
      for (const int q : parts) {
        if (q == p) continue;
        needed.insert({sea, p});
        needed.insert({sea, q});
      }
    }
  }
  if (needed.empty()) return placed;

  // The candidates of each land mass on each sea it needs a place on, cheapest first; of
  // two places as cheap, the one nearer a start over the land.
  const LatticeWalk from_starts = WalkLattice(land.graph, starts, kNoStepLimit);
  std::map<std::pair<int, int>, std::vector<Plan>> candidates;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      const int part = part_at(x, y);
      if (part < 0 || matters[static_cast<std::size_t>(part)] == 0) continue;
      std::vector<int> seas = builder.SeasServed({x, y});
      std::erase_if(seas, [&](int sea) { return needed.count({sea, part}) == 0; });
      if (seas.empty()) continue;
      std::optional<Plan> plan = builder.PlanAt({x, y});
      if (!plan) continue;
      const int steps = from_starts.distance[VertexIndex(map.Width(), x, y)];
      plan->cost += steps < 0 ? 0 : steps / 8;
      for (const int sea : seas)
        candidates[{sea, part}].push_back(*plan);
    }
  }
  for (auto& [key, plans] : candidates) {
    std::stable_sort(plans.begin(), plans.end(),
                     [](const Plan& a, const Plan& b) { return a.cost < b.cost; });
  }

  const auto far_enough = [&](VertexPos v) {
    return std::all_of(placed.begin(), placed.end(), [&](VertexPos p) {
      return LatticeDistance(v.x, v.y, p.x, p.y, map.Width(), map.Height()) >= kHarbourSpacing;
    });
  };
  std::map<int, int> on_sea;  // places marked per sea
  std::set<std::pair<int, int>> served;
  const auto place_one = [&](int sea, int part) {
    for (const Plan& plan : candidates[{sea, part}]) {
      if (!far_enough(plan.at) || !builder.Prepare(plan)) continue;
      placed.push_back(plan.at);
      for (const int s : builder.SeasServed(plan.at)) {
        ++on_sea[s];
        served.insert({s, part_at(plan.at.x, plan.at.y)});
      }
      return;
    }
  };
  for (const auto& [sea, part] : needed) {
    if (served.count({sea, part}) == 0) place_one(sea, part);
  }
  // At least two on every sea that has any: a second on a land mass that already has one.
  for (const auto& [sea, part] : needed) {
    if (on_sea[sea] == 1) place_one(sea, part);
  }
  return placed;
}

void PrepareHarbourPlaces(Generator& g) {
  BeginStep(g, MessageKey::StatusPrepareHarbours);
  SwdMap map = MapOfGrid(g);
  std::vector<VertexPos> starts;
  for (int p = 1; p <= g.run.PlayerCount && p <= 7; ++p)
    starts.push_back({g.HqX[p], g.HqY[p]});
  if (!PlaceHarbours(map, starts).empty()) StoreInGrid(g, map);
  EndStep(g);
}

}  // namespace swd
