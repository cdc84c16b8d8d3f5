#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/figures.hpp"
#include "mapfile/swd_map.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/site_rating.hpp"

namespace swd {

// What one vertex adds to the figures of the start whose area it lies in: its building
// site, the tree or granite on it, its resource. The rival distance is no vertex's.
struct VertexFigures {
  std::int8_t site = -1;      // the figure its building site counts to, -1: none
  std::int8_t resource = -1;  // the figure its resource counts to, -1: none
  std::uint8_t amount = 0;    // of the resource
  std::uint8_t tree = 0;      // 1 where a tree stands
  std::uint8_t granite = 0;   // the size of the granite on it

  void AddTo(FigureValues& figures, double share) const {
    if (site >= 0) figures[site] += share;
    if (resource >= 0) figures[resource] += share * amount;
    figures[fig::Trees] += share * tree;
    figures[fig::Granite] += share * granite;
  }
};

// The figure a building site of this size counts to, if any.
std::optional<Figure> SiteFigure(SiteSize s);

std::vector<VertexFigures> FiguresOfVertices(const SwdMap& map, const std::vector<SiteSize>& sites);

// The starts' areas as a walk left them: each vertex to the starts that own it, a shared
// vertex in equal parts.
struct AreaSums {
  std::vector<double> area;           // vertices, per start
  std::vector<FigureValues> figures;  // per start
};
AreaSums SumAreas(const LatticeWalk& walk, const std::vector<VertexFigures>& here,
                  std::size_t starts);

}  // namespace swd
