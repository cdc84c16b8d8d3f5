#pragma once

#include <optional>
#include <vector>

#include "analysis/fairness.hpp"
#include "analysis/figures.hpp"
#include "analysis/map_counts.hpp"
#include "analysis/start_positions.hpp"
#include "mapfile/swd_map.hpp"

namespace swd {

inline constexpr int kDefaultRadius = 24;
inline constexpr int kLargestRadius = 256;

// One start and what lies in its area: the vertices it reaches within the radius before any
// other start does. A vertex that several starts reach at the same distance is shared: each
// of them counts an equal part of it and of what lies on it.
struct StartReport {
  StartPosition start;
  double area = 0;                   // vertices
  std::optional<int> nearest_rival;  // steps; none: no other start, or none can be walked to
  FigureValues figures{};
};

struct MapAnalysis {
  int radius = kDefaultRadius;
  MapCounts counts;
  bool starts_from_objects = false;
  std::vector<StartReport> starts;
  std::optional<Fairness> fairness;  // none with fewer than two starts
};

// `radius` is 1..kLargestRadius.
MapAnalysis AnalyzeMap(const SwdMap& map, int radius);

}  // namespace swd
