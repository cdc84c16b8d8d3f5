#pragma once

#include <array>

namespace swd {

// What the analysis measures for each start, and how it counts in the start's score. The
// figures of the sites and the goods are what lies within the start's area. Each figure
// counts up to the level a start needs of it in the early game and little beyond it, so that
// a figure every start has plenty of, or one that is small for all, cannot make starts look
// unequal (README.md, "How fair are the starts", says why each level and weight is what it
// is). The names live in their own namespace, apart from the terrain classes of the same names.
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
  RivalDistance,  // steps to the nearest other start; 0 when no rival can be reached at all
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
  double level;       // what a start needs of it early on
  bool essential;     // without it a start cannot get going: its lack scales the whole score
};

// clang-format off
inline constexpr std::array<FigureRow, kFigureCount> kFigures{{
    // figure              key                 label                 weight level essential
    {fig::LargeSites,      "sites_large",      "large sites",          3.0,  30, false},
    {fig::MediumSites,     "sites_medium",     "medium sites",         0.5,  20, false},
    {fig::SmallSites,      "sites_small",      "small sites",          1.0,  40, false},
    {fig::MineSites,       "sites_mine",       "mine sites",           1.0,  12, false},
    {fig::Trees,           "trees",            "trees",                2.0, 100, true},
    {fig::Granite,         "granite",          "granite",              2.0,  40, true},
    {fig::Coal,            "coal",             "coal",                 0.75, 40, false},
    {fig::Iron,            "iron",             "iron",                 0.75, 40, false},
    {fig::Gold,            "gold",             "gold",                 0.25, 20, false},
    {fig::MountainGranite, "mountain_granite", "granite in mountains", 0.25, 20, false},
    {fig::Fish,            "fish",             "fish",                 0.25, 40, false},
    {fig::Water,           "water",            "water",                0.25, 60, false},
    {fig::RivalDistance,   "rival_distance",   "rival distance",       1.0,  24, false},
}};
// clang-format on

}  // namespace swd
