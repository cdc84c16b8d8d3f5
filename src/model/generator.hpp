#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/grid.hpp"
#include "model/host.hpp"
#include "model/preview.hpp"
#include "model/random.hpp"
#include "model/settings.hpp"
#include "model/tables.hpp"

namespace swd {

struct GridPoint {
  std::int16_t x = 0;
  std::int16_t y = 0;
  bool operator==(const GridPoint&) const = default;
};

// The mountain ranges of a run as ordered cell lists: ranges 1..count, each with points
// 1..length. Number 0 of both is never used.
class RangePointList {
 public:
  static constexpr int kMaxRanges = 300;
  static constexpr int kMaxPoints = 600;

  RangePointList() : points_(static_cast<std::size_t>(kMaxRanges + 1) * (kMaxPoints + 1)) {}

  void Clear() {
    count = 0;
    lengths.fill(0);
  }
  GridPoint& Point(int range, int index) {
    return points_[static_cast<std::size_t>(range) * (kMaxPoints + 1) + index];
  }
  const GridPoint& Point(int range, int index) const {
    return points_[static_cast<std::size_t>(range) * (kMaxPoints + 1) + index];
  }

  int count = 0;                              // R
  std::array<int, kMaxRanges + 1> lengths{};  // n_r

 private:
  std::vector<GridPoint> points_;
};

// Everything one generator keeps between its steps. Two generators share nothing.
struct Generator {
  explicit Generator(Host& h) : host(&h) {}

  LandscapeGrid grid;
  ClassTables tables;
  AmountTables amounts;
  GeneratorSettings settings;  // as the user left them
  RunSettings run;             // the copy the current run works on
  RangePointList ranges;
  std::array<std::uint8_t, 8> HqX{};
  std::array<std::uint8_t, 8> HqY{};
  Random rng;
  PreviewImage preview;
  std::vector<std::uint8_t> picture;  // palette index per cell of the "Spezial" shape
  Host* host;
  bool bar_hide_held = false;  // the progress bar's hide, held back (progress.hpp)
  // With fair starts: how fair the random placement was on the same landscape.
  std::optional<double> fairness_before;
  // The seed the random source was given (run.hpp, PrepareSeededRun); the map's code holds it.
  std::optional<std::uint32_t> seed;
};

}  // namespace swd
