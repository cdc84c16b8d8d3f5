// How fair fair starts are: 40 seeds for each base shape at 128 x 128 with 2, 4 and 7
// players, the median and the lowest fairness index where at least two players are placed,
// beside the random placement's on the same landscapes, and the starts still short of the
// wood or stone a start needs. A measurement, not a test: it prints a table.
//   swdgen_fair_starts_table [SEEDS] [SIDE]
// With a shape's number (0..4) and a player count after them, it prints each seed's index
// instead, and the figures of the weakest start beside the mean of all, to show what holds
// the weakest back.
//   swdgen_fair_starts_table SEEDS SIDE SHAPE PLAYERS
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/map_analysis.hpp"
#include "bench_hosts.hpp"
#include "mapfile/swd_map.hpp"
#include "run/run.hpp"

namespace {

struct Shape {
  const char* name;
  swd::LandShape shape;
};
constexpr Shape kShapes[] = {{"Insel", swd::LandShape::Island},
                             {"Insel (sym.)", swd::LandShape::IslandSymmetric},
                             {"Spirale", swd::LandShape::Spiral},
                             {"Ring", swd::LandShape::Ring},
                             {"Spirale mit Ring", swd::LandShape::SpiralWithRing}};

struct Result {
  std::optional<double> index;  // none: fewer than two starts
  int short_of_essentials = 0;  // starts with less wood or stone than they need
  swd::MapAnalysis analysis;
};

Result Run(const Shape& shape, int players, std::uint32_t seed, std::int16_t side, bool fair) {
  swd::bench::InMemoryHost host;
  auto g = std::make_unique<swd::Generator>(host);
  g->settings.MapWidth = g->settings.MapHeight = side;
  g->settings.PlayerCount = static_cast<std::uint8_t>(players);
  g->settings.CheckErwEinst = true;
  g->settings.land_shape = shape.shape;
  g->settings.fair_starts = fair;
  swd::PrepareGeneration(*g);
  g->rng.Seed(seed);
  swd::RunGeneration(*g);
  const swd::SwdMapRead read = swd::ReadSwdMap(host.map);
  const swd::MapAnalysis a = swd::AnalyzeMap(*read.map, swd::kDefaultRadius);
  Result r;
  r.analysis = a;
  if (a.fairness) r.index = a.fairness->index;
  for (const swd::StartReport& s : a.starts) {
    const bool short_of = s.figures[swd::fig::Trees] < swd::kFigures[swd::fig::Trees].level ||
                          s.figures[swd::fig::Granite] < swd::kFigures[swd::fig::Granite].level;
    r.short_of_essentials += short_of ? 1 : 0;
  }
  return r;
}

struct Summary {
  double median = 0, lowest = 0;
  int maps = 0, short_of_essentials = 0;
};

Summary Summarise(const std::vector<Result>& results) {
  std::vector<double> indices;
  Summary s;
  for (const Result& r : results) {
    if (r.index) indices.push_back(*r.index);
    s.short_of_essentials += r.short_of_essentials;
  }
  s.maps = static_cast<int>(indices.size());
  if (indices.empty()) return s;
  std::sort(indices.begin(), indices.end());
  const std::size_t n = indices.size();
  s.median = n % 2 != 0 ? indices[n / 2] : (indices[n / 2 - 1] + indices[n / 2]) / 2;
  s.lowest = indices.front();
  return s;
}

void PrintSeeds(const Shape& shape, int players, std::uint32_t seeds, std::int16_t side) {
  std::printf(
      "%s, %d players, %d x %d: seed, index random -> fair, then the weakest start's\n"
      "figures over the mean of all starts'\n",
      shape.name, players, side, side);
  for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
    const Result random = Run(shape, players, seed, side, false);
    const Result fair = Run(shape, players, seed, side, true);
    std::printf("%3u %.3f -> %.3f %d/%d", seed, random.index.value_or(0), fair.index.value_or(0),
                static_cast<int>(fair.analysis.starts.size()), players);
    if (fair.analysis.fairness) {
      const swd::Fairness& f = *fair.analysis.fairness;
      const auto weakest = static_cast<std::size_t>(
          std::min_element(f.scores.begin(), f.scores.end()) - f.scores.begin());
      std::printf(" weakest %zu:", weakest + 1);
      for (const swd::FigureRow& row : swd::kFigures) {
        double mean = 0;
        for (const swd::StartReport& s : fair.analysis.starts)
          mean += s.figures[row.figure] / static_cast<double>(fair.analysis.starts.size());
        std::printf(" %s %.0f/%.0f", row.key, fair.analysis.starts[weakest].figures[row.figure],
                    mean);
      }
    }
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint32_t seeds = argc > 1 ? static_cast<std::uint32_t>(std::atoi(argv[1])) : 40;
  const auto side = static_cast<std::int16_t>(argc > 2 ? std::atoi(argv[2]) : 128);
  if (argc > 4) {
    PrintSeeds(kShapes[std::clamp(std::atoi(argv[3]), 0, 4)], std::atoi(argv[4]), seeds, side);
    return 0;
  }
  std::printf(
      "%u seeds per shape at %d x %d: median (lowest) fairness index, random -> fair;\n"
      "maps with two players or more; starts short of wood or stone with fair starts\n\n",
      seeds, side, side);
  std::printf("%-18s %-33s %-33s %-33s\n", "shape", "2 players", "4 players", "7 players");
  for (const Shape& shape : kShapes) {
    std::printf("%-18s", shape.name);
    for (const int players : {2, 4, 7}) {
      std::vector<Result> random, fair;
      for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        random.push_back(Run(shape, players, seed, side, false));
        fair.push_back(Run(shape, players, seed, side, true));
      }
      const Summary r = Summarise(random);
      const Summary f = Summarise(fair);
      char cell[64];
      std::snprintf(cell, sizeof cell, "%.3f (%.3f) -> %.3f (%.3f) %d", r.median, r.lowest,
                    f.median, f.lowest, f.short_of_essentials);
      std::printf(" %-33s", cell);
    }
    std::printf("\n");
  }
  return 0;
}
