#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "model/generator.hpp"
#include "model/terrain.hpp"

namespace swd {

// One pass of a coast rule (shape_steps.hpp) with its classes.
struct CoastPass {
  enum class Rule : std::uint8_t { Adapt, Match };
  Rule rule = Rule::Adapt;
  std::array<int, 5> classes{};  // Adapt: a, b, c; Match: a, b, n, c1, c2
};

// AdaptToSurroundings(a, b, c): a with more than four neighbours b becomes c.
constexpr CoastPass Adapt(int a, int b, int c) {
  return {CoastPass::Rule::Adapt, {a, b, c, 0, 0}};
}
// MatchEdges(a, b, n, c1, c2): a or b next to n becomes c1 (one in three) or c2.
constexpr CoastPass Match(int a, int b, int n, int c1, int c2) {
  return {CoastPass::Rule::Match, {a, b, n, c1, c2}};
}

// The passes of `first` and then those of `second`.
template <std::size_t A, std::size_t B>
constexpr std::array<CoastPass, A + B> Join(const std::array<CoastPass, A>& first,
                                            const std::array<CoastPass, B>& second) {
  std::array<CoastPass, A + B> both{};
  std::copy(first.begin(), first.end(), both.begin());
  std::copy(second.begin(), second.end(), both.begin() + A);
  return both;
}

// The pass sequences the steps share, each written once. The names are Grünland's; in
// Winterland class 6 is ice and classes 3 and 8 are floes.

// Open land in the water fills up; twice, so that thin spits of land vanish too.
inline constexpr std::array kWaterPockets{Adapt(OpenLand, Water, Water),
                                          Adapt(OpenLand, Water, Water)};
// Open land at the water becomes sand: class 4 (one cell in three) or 5.
inline constexpr std::array kSandyShore{Match(OpenLand, OpenLand, Water, Savanna, Steppe)};
// The beach: the sandy shore, then classes 5 and 6 along the water, 6 nearest to it.
inline constexpr auto kBeach =
    Join(kSandyShore, std::array{Match(Savanna, Steppe, Water, Steppe, Desert)});
// In winter open land at the water turns to ice, and ice at the water to floes.
inline constexpr std::array kIcePockets{Adapt(OpenLand, Water, Desert),
                                        Adapt(OpenLand, Water, Desert)};
inline constexpr std::array kIceShore{Match(OpenLand, OpenLand, Water, Desert, Desert),
                                      Match(Desert, Desert, Water, Snow, Swamp)};

// The coast of the sea round an island or a figure.
inline constexpr auto kStandardCoast = Join(kWaterPockets, kBeach);
inline constexpr auto kWinterCoast = Join(kIcePockets, kIceShore);
// The shore of the lakes and moors, sandy in every landscape type.
inline constexpr auto kLakeShore = Join(kWaterPockets, kSandyShore);

// Open land enclosed by mountains becomes mountain; a picture's mountains also take in the
// forest and classes 3 and 4.
inline constexpr std::array kMountainFoot{Adapt(OpenLand, Mountain, Mountain)};
inline constexpr auto kPictureMountainFoot = Join(
    kMountainFoot, std::array{Adapt(Forest, Mountain, Mountain), Adapt(Swamp, Mountain, Mountain),
                              Adapt(Savanna, Mountain, Mountain)});
// Mountain meadows along the foot of the ranges, and the steppe next to them.
inline constexpr std::array kMeadowPasses{
    Match(OpenLand, Desert, Mountain, MountainMeadow, MountainMeadow),
    Match(Steppe, Steppe, MountainMeadow, MountainMeadow, MountainMeadow)};

// Open land enclosed by desert becomes desert; in winter the ice takes floes instead.
inline constexpr std::array kDesertPockets{Adapt(OpenLand, Desert, Desert),
                                           Adapt(OpenLand, Desert, Desert)};
inline constexpr std::array kIceFloes{Adapt(OpenLand, Desert, Snow),
                                      Adapt(OpenLand, Desert, Swamp)};
// Belts of class 5 and, outside them, class 4 round the deserts.
inline constexpr std::array kDesertBelts{Match(OpenLand, OpenLand, Desert, Steppe, Steppe),
                                         Match(OpenLand, OpenLand, Steppe, Savanna, Savanna)};

// A sequence whose passes differ in Winterland; an empty list runs nothing.
struct CoastSequence {
  std::span<const CoastPass> passes;      // Grünland and Ödland
  std::span<const CoastPass> winterland;  // Winterland
};
inline constexpr CoastSequence kCoast{kStandardCoast, kWinterCoast};
inline constexpr CoastSequence kSeaShore{kBeach, kIceShore};
inline constexpr CoastSequence kMountainMeadows{kMeadowPasses, {}};
inline constexpr CoastSequence kDesertEdges{kDesertPockets, kIceFloes};

// Runs the passes in order; each sweeps the map on its own (and stops early on a cancel).
void RunCoastPasses(Generator& g, std::span<const CoastPass> passes);
// Runs the passes of the run's landscape type.
void RunCoastPasses(Generator& g, const CoastSequence& sequence);

}  // namespace swd
