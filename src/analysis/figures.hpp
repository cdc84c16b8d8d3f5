#pragma once

#include <array>

namespace swd {

// What the analysis measures for each start, and how much each counts in its score. The
// figures of the sites and the goods are what lies within the start's area; the weights are
// the score's definition (README.md, "How fair are the starts", says why each is there).
// The names live in their own namespace, apart from the terrain classes of the same names.
namespace fig {
enum Figure : int {
  LargeSites,
  MediumSites,
  SmallSites,
  MineSites,
  Trees,
  Granite,
  Coal,
  Iron,
  Gold,
  MountainGranite,
  Fish,
  Water,
  RivalDistance,  // steps to the nearest other start, at most twice the radius
  kFigureCount
};
}  // namespace fig
using fig::Figure;
using fig::kFigureCount;

using FigureValues = std::array<double, kFigureCount>;

struct FigureRow {
  Figure figure;
  const char* key;    // in the JSON output
  const char* label;  // in the table
  double weight;      // in the score
};

// clang-format off
inline constexpr std::array<FigureRow, kFigureCount> kFigures{{
    // figure          key                 label                 weight
    {fig::LargeSites,      "sites_large",      "large sites",        3.0},
    {fig::MediumSites,     "sites_medium",     "medium sites",       2.0},
    {fig::SmallSites,      "sites_small",      "small sites",        1.0},
    {fig::MineSites,       "sites_mine",       "mine sites",         1.0},
    {fig::Trees,           "trees",            "trees",              1.5},
    {fig::Granite,         "granite",          "granite",            1.5},
    {fig::Coal,            "coal",             "coal",               0.5},
    {fig::Iron,            "iron",             "iron",               0.5},
    {fig::Gold,            "gold",             "gold",               0.25},
    {fig::MountainGranite, "mountain_granite", "granite in mountains", 0.25},
    {fig::Fish,            "fish",             "fish",               0.25},
    {fig::Water,           "water",            "water",              0.25},
    {fig::RivalDistance,   "rival_distance",   "rival distance",     1.0},
}};
// clang-format on

}  // namespace swd
