#include "analysis/map_analysis.hpp"

#include <algorithm>
#include <bit>

#include "analysis/lattice_walk.hpp"
#include "analysis/site_rating.hpp"
#include "analysis/vertex_facts.hpp"
#include "mapfile/object_codes.hpp"
#include "model/grid.hpp"

namespace swd {

namespace {

// The figure a vertex's site or resource adds to, if any.
std::optional<Figure> SiteFigure(SiteSize s) {
  switch (s) {
    case SiteSize::Large:
      return fig::LargeSites;
    case SiteSize::Medium:
      return fig::MediumSites;
    case SiteSize::Small:
      return fig::SmallSites;
    case SiteSize::Mine:
      return fig::MineSites;
    default:
      return std::nullopt;
  }
}

std::optional<Figure> ResourceFigure(ResourceKind k) {
  switch (k) {
    case ResourceKind::Coal:
      return fig::Coal;
    case ResourceKind::Iron:
      return fig::Iron;
    case ResourceKind::Gold:
      return fig::Gold;
    case ResourceKind::Granite:
      return fig::MountainGranite;
    case ResourceKind::Fish:
      return fig::Fish;
    case ResourceKind::Water:
      return fig::Water;
    default:
      return std::nullopt;
  }
}

// Adds what lies on each vertex of the walk to the starts that own it, each an equal part.
void CountAreas(const SwdMap& map, const std::vector<SiteSize>& sites, const LatticeWalk& walk,
                std::vector<StartReport>& reports) {
  const int w = map.Width();
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < w; ++x) {
      const std::size_t at = VertexIndex(w, x, y);
      const unsigned owners = walk.owners[at];
      if (owners == 0) continue;
      FigureValues here{};
      if (const auto f = SiteFigure(sites[at])) here[*f] = 1;
      const std::uint8_t type = map.At(ObjectTypeLayer, x, y);
      const int index = map.At(ObjectIndexLayer, x, y);
      if (KindOfObject(type) == ObjectKind::Tree) here[fig::Trees] = 1;
      if (KindOfObject(type) == ObjectKind::Granite && index <= kLargestGranite) {
        here[fig::Granite] = index;
      }
      const Resource r = ResourceOf(map.At(ResourceLayer, x, y));
      if (const auto f = ResourceFigure(r.kind)) here[*f] = r.amount;
      const double share = 1.0 / std::popcount(owners);
      for (std::size_t i = 0; i < reports.size(); ++i) {
        if ((owners & (1u << i)) == 0) continue;
        reports[i].area += share;
        for (int f = 0; f < kFigureCount; ++f)
          reports[i].figures[f] += share * here[f];
      }
    }
  }
}

}  // namespace

MapAnalysis AnalyzeMap(const SwdMap& map, int radius) {
  MapAnalysis a;
  a.radius = radius;
  const std::vector<VertexFacts> facts = FactsOfVertices(map);
  const std::vector<SiteSize> sites = RateBuildingSites(map, facts);
  a.counts = CountMap(map, sites);

  const StartPositions found = FindStartPositions(map);
  a.starts_from_objects = found.from_objects;
  std::vector<VertexPos> starts;
  for (const StartPosition& s : found.list) {
    a.starts.push_back({s, 0, std::nullopt, {}});
    starts.push_back(s.at);
  }
  const std::vector<std::uint8_t> walkable = WalkableVertices(facts);
  const int w = map.Width();
  const int h = map.Height();
  CountAreas(map, sites, WalkLattice(w, h, walkable, starts, radius), a.starts);

  // How many starts stand on each vertex: the rivals of a start are all but itself.
  std::vector<std::uint8_t> rivals(walkable.size(), 0);
  for (const VertexPos& s : starts)
    ++rivals[VertexIndex(w, s.x, s.y)];
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t own = VertexIndex(w, starts[i].x, starts[i].y);
    --rivals[own];
    StartReport& report = a.starts[i];
    report.nearest_rival = StepsToNearest(w, h, walkable, starts[i], rivals);
    ++rivals[own];
    // Beyond twice the radius rivals do not meet before their areas are settled; separate
    // islands count as that far apart.
    report.figures[fig::RivalDistance] =
        std::min(report.nearest_rival.value_or(2 * radius), 2 * radius);
  }

  std::vector<FigureValues> values;
  for (const StartReport& r : a.starts)
    values.push_back(r.figures);
  a.fairness = RateFairness(values);
  return a;
}

}  // namespace swd
