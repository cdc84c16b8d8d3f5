#include "rules/walking.hpp"

#include <array>

namespace swd {

namespace {

// The two triangles beside the step towards each direction, as bits of the ring order of
// VertexFacts (A(NW), B(NW), A(NE), B(v), A(v), B(W)): a step runs between the triangles
// on its left and right.
constexpr std::uint8_t Pair(int a, int b) {
  return static_cast<std::uint8_t>((1u << a) | (1u << b));
}
constexpr std::uint8_t FlankOf(Direction d) {
  switch (d) {
    case Direction::W:
      return Pair(5, 0);  // B(W), A(NW)
    case Direction::NW:
      return Pair(0, 1);  // A(NW), B(NW)
    case Direction::NE:
      return Pair(1, 2);  // B(NW), A(NE)
    case Direction::E:
      return Pair(2, 3);  // A(NE), B(v)
    case Direction::SE:
      return Pair(3, 4);  // B(v), A(v)
    case Direction::SW:
      return Pair(4, 5);  // A(v), B(W)
  }
  return 0;
}

}  // namespace

bool CanEnter(const VertexFacts& f, WalkRule rule) {
  if (f.any_snow_or_lava || !f.any_walkable) return false;
  const bool blocked =
      rule == WalkRule::GameStart ? f.blocks_walking : f.blocks_walking && !f.granite;
  return !blocked;
}

std::uint8_t AllowedSteps(const VertexFacts& f) {
  std::uint8_t steps = 0;
  for (int i = 0; i < 6; ++i) {
    const std::uint8_t flank = FlankOf(kDirections[static_cast<std::size_t>(i)]);
    if ((f.snow_or_lava_ring & flank) == 0 && (f.walkable_ring & flank) != 0) {
      steps |= static_cast<std::uint8_t>(1u << i);
    }
  }
  return steps;
}

WalkGraph BuildWalkGraph(const std::vector<VertexFacts>& facts, int width, int height,
                         WalkRule rule) {
  WalkGraph g;
  g.width = width;
  g.height = height;
  g.enterable.reserve(facts.size());
  g.steps.reserve(facts.size());
  for (const VertexFacts& f : facts) {
    g.enterable.push_back(CanEnter(f, rule) ? 1 : 0);
    g.steps.push_back(AllowedSteps(f));
  }
  return g;
}

}  // namespace swd
