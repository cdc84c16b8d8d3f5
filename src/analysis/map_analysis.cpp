#include "analysis/map_analysis.hpp"

#include <algorithm>
#include <set>
#include <utility>

#include "analysis/start_areas.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/site_rating.hpp"
#include "rules/vertex_facts.hpp"
#include "rules/walking.hpp"

namespace swd {

namespace {

// Which land masses (parts of the walk over the land at all) can send ships to which: those
// with a kept harbour place on a common sea.
class ShipLinks {
 public:
  ShipLinks(const WalkGraph& land, const WalkParts& parts, const std::vector<HarbourPlace>& kept) {
    for (const HarbourPlace& h : kept) {
      const int part = PartOfStart(land, parts, h.at);
      if (part < 0) continue;
      for (const int sea : h.seas)
        ports_.insert({part, sea});
    }
  }
  bool Linked(int a, int b) const {
    if (a < 0 || b < 0) return false;
    for (const auto& [part, sea] : ports_) {
      if (part == a && ports_.count({b, sea}) != 0) return true;
    }
    return false;
  }

 private:
  std::set<std::pair<int, int>> ports_;  // (land mass, sea)
};

// Steps to the nearest rival as the score counts them: as walked, at most twice the radius;
// a rival reached only after quarrying or by ship is far enough away. A start that can reach
// no rival at all is not rewarded for it: it counts as the worst, 0.
double RivalDistanceFigure(const StartReport& s, int radius) {
  if (s.nearest_rival) return std::min(*s.nearest_rival, 2 * radius);
  return s.reach == Reach::None ? 0.0 : 2.0 * radius;
}

}  // namespace

MapAnalysis AnalyzeMap(const SwdMap& map, int radius) {
  MapAnalysis a;
  a.radius = radius;
  const int w = map.Width();
  const int h = map.Height();
  const std::vector<VertexFacts> facts = FactsOfVertices(map);
  const std::vector<SiteSize> sites = RateBuildingSites(map, facts);
  a.counts = CountMap(map, sites);
  a.harbours = KeptHarbourPlaces(map, Coast(facts, FindSeas(facts, w, h), w, h));

  const StartPositions found = FindStartPositions(map);
  a.starts_from_objects = found.from_objects;
  std::vector<VertexPos> starts;
  for (const StartPosition& s : found.list) {
    a.starts.push_back({s, 0, std::nullopt, std::nullopt, {}});
    starts.push_back(s.at);
  }
  // A start's area is what it has once its rocks are quarried, the first work of every
  // start: granite that walls a start in at the beginning is its stone, not its border. On
  // the staggered lattice a ring of rocks may close on one side of a mirrored island and
  // not on the other, and mirrored starts would not count alike.
  const WalkGraph land = BuildWalkGraph(facts, w, h, WalkRule::OverLand);
  const AreaSums sums =
      SumAreas(WalkLattice(land, starts, radius), FiguresOfVertices(map, sites), starts.size());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    a.starts[i].area = sums.area[i];
    a.starts[i].figures = sums.figures[i];
  }
  if (starts.size() < 2) return a;

  const WalkGraph on_foot = BuildWalkGraph(facts, w, h, WalkRule::GameStart);
  const WalkParts parts = SplitIntoParts(land);
  const ShipLinks ships(land, parts, a.harbours);
  std::vector<int> part_of;
  for (const VertexPos& s : starts)
    part_of.push_back(PartOfStart(land, parts, s));

  // How many starts stand on each vertex: the rivals of a start are all but itself.
  std::vector<std::uint8_t> rivals(on_foot.enterable.size(), 0);
  for (const VertexPos& s : starts)
    ++rivals[VertexIndex(w, s.x, s.y)];
  std::vector<FigureValues> values;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t own = VertexIndex(w, starts[i].x, starts[i].y);
    --rivals[own];
    StartReport& report = a.starts[i];
    report.nearest_rival = StepsToNearest(on_foot, starts[i], rivals);
    ++rivals[own];
    Reach reach = Reach::None;
    for (std::size_t j = 0; j < starts.size() && !report.nearest_rival; ++j) {
      if (j == i) continue;
      if (part_of[i] >= 0 && part_of[i] == part_of[j]) {
        reach = Reach::AfterClearing;
      } else if (ships.Linked(part_of[i], part_of[j]) && reach != Reach::AfterClearing) {
        reach = Reach::ShipOnly;
      }
    }
    report.reach = report.nearest_rival ? Reach::Walk : reach;
    values.push_back(report.figures);
    values.back()[fig::RivalDistance] = RivalDistanceFigure(report, radius);
    report.figures = values.back();
  }
  a.fairness = RateFairness(values);
  return a;
}

Message CutOffNote(const MapAnalysis& a) {
  std::string players;
  int count = 0;
  for (const StartReport& s : a.starts) {
    if (s.reach != Reach::None) continue;
    players += (count++ == 0 ? "" : ", ") + std::to_string(s.start.player);
  }
  if (count == 0) return {};
  return {count == 1 ? MessageKey::OneStartCutOff : MessageKey::StartsCutOff,
          {Message::Verbatim(players)}};
}

}  // namespace swd
