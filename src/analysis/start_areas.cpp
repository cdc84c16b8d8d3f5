#include "analysis/start_areas.hpp"

#include <bit>
#include <optional>

#include "mapfile/object_codes.hpp"
#include "model/grid.hpp"

namespace swd {

namespace {

// The figure a vertex's resource adds to, if any.
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

}  // namespace

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

std::vector<VertexFigures> FiguresOfVertices(const SwdMap& map,
                                             const std::vector<SiteSize>& sites) {
  std::vector<VertexFigures> here(sites.size());
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      VertexFigures& f = here[VertexIndex(map.Width(), x, y)];
      if (const auto s = SiteFigure(sites[VertexIndex(map.Width(), x, y)])) {
        f.site = static_cast<std::int8_t>(*s);
      }
      const std::uint8_t type = map.At(ObjectTypeLayer, x, y);
      const int index = map.At(ObjectIndexLayer, x, y);
      if (KindOfObject(type) == ObjectKind::Tree) f.tree = 1;
      if (KindOfObject(type) == ObjectKind::Granite && index <= kLargestGranite) {
        f.granite = static_cast<std::uint8_t>(index);
      }
      const Resource r = ResourceOf(map.At(ResourceLayer, x, y));
      if (const auto g = ResourceFigure(r.kind)) {
        f.resource = static_cast<std::int8_t>(*g);
        f.amount = static_cast<std::uint8_t>(r.amount);
      }
    }
  }
  return here;
}

AreaSums SumAreas(const LatticeWalk& walk, const std::vector<VertexFigures>& here,
                  std::size_t starts) {
  AreaSums sums{std::vector<double>(starts, 0.0),
                std::vector<FigureValues>(starts, FigureValues{})};
  for (const std::size_t at : walk.reached) {
    const unsigned owners = walk.owners[at];
    const double share = 1.0 / std::popcount(owners);
    for (std::size_t i = 0; i < starts; ++i) {
      if ((owners & (1u << i)) == 0) continue;
      sums.area[i] += share;
      here[at].AddTo(sums.figures[i], share);
    }
  }
  return sums;
}

}  // namespace swd
