#pragma once

#include <array>
#include <optional>
#include <vector>

#include "analysis/fairness.hpp"
#include "analysis/figures.hpp"
#include "analysis/map_counts.hpp"
#include "mapfile/swd_map.hpp"
#include "model/messages.hpp"
#include "rules/seas.hpp"
#include "rules/start_positions.hpp"

namespace swd {

inline constexpr int kDefaultRadius = 24;
inline constexpr int kLargestRadius = 256;

// How a start gets to its nearest rival, best first.
enum class Reach : std::uint8_t {
  Walk,           // on foot from the first day
  AfterClearing,  // over the land, once granite is quarried (trees never block)
  ShipOnly,       // by ship: both land masses have a harbour place on one sea
  None,           // not at all
};

// The reaches as reports name them: the key in JSON, the text for the user.
struct ReachName {
  Reach reach;
  const char* key;
  MessageKey text;
};
inline constexpr std::array<ReachName, 4> kReachNames{
    {{Reach::Walk, "walk", MessageKey::ReachWalk},
     {Reach::AfterClearing, "after_clearing", MessageKey::ReachAfterClearing},
     {Reach::ShipOnly, "ship_only", MessageKey::ReachShipOnly},
     {Reach::None, "none", MessageKey::ReachNone}}};
inline const ReachName& NameOf(Reach r) {
  return kReachNames[static_cast<std::size_t>(r)];
}

// One start and what lies in its area: the vertices it reaches within the radius before any
// other start does. A vertex that several starts reach at the same distance is shared: each
// of them counts an equal part of it and of what lies on it.
struct StartReport {
  StartPosition start;
  double area = 0;                   // vertices, reached over the land (rocks quarried)
  std::optional<int> nearest_rival;  // steps on foot at game start; none: cannot be walked to
  std::optional<Reach> reach;        // none: a start without rivals
  FigureValues figures{};
};

struct MapAnalysis {
  int radius = kDefaultRadius;
  MapCounts counts;
  bool starts_from_objects = false;
  std::vector<StartReport> starts;
  std::vector<HarbourPlace> harbours;  // the marked places the game keeps
  std::optional<Fairness> fairness;    // none with fewer than two starts
};

// `radius` is 1..kLargestRadius.
MapAnalysis AnalyzeMap(const SwdMap& map, int radius);

// "Spieler 3 kann keinen Gegner erreichen." for the starts that cannot reach any rival,
// not even by ship; empty where every start can.
Message CutOffNote(const MapAnalysis& a);

}  // namespace swd
