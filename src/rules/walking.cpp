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

// The steps for every pair of masks, as every vertex of a map asks.
constexpr auto kAllowedSteps = [] {
  std::array<std::uint8_t, 64 * 64> steps{};
  for (int hot = 0; hot < 64; ++hot) {
    for (int walkable = 0; walkable < 64; ++walkable) {
      std::uint8_t bits = 0;
      for (int i = 0; i < 6; ++i) {
        const std::uint8_t flank = FlankOf(kDirections[static_cast<std::size_t>(i)]);
        if ((hot & flank) == 0 && (walkable & flank) != 0) {
          bits = static_cast<std::uint8_t>(bits | (1u << i));
        }
      }
      steps[static_cast<std::size_t>(hot * 64 + walkable)] = bits;
    }
  }
  return steps;
}();

std::uint8_t AllowedSteps(const VertexFacts& f) {
  return kAllowedSteps[static_cast<std::size_t>(f.snow_or_lava_ring) * 64 + f.walkable_ring];
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
  g.next.resize(facts.size());
  for (int y = 0; y < height; ++y) {
    // Row by row: the rows above and below, and in them the columns of the diagonal steps.
    const int odd = y % 2;
    const auto row = [&](int r) { return static_cast<std::uint32_t>(WrapStep(r, height) * width); };
    const std::uint32_t above = row(y - 1), here = row(y), below = row(y + 1);
    for (int x = 0; x < width; ++x) {
      const auto col = [&](int c) { return static_cast<std::uint32_t>(WrapStep(c, width)); };
      const std::uint32_t west = col(x - 1), east = col(x + 1), self = col(x);
      const std::uint32_t left = odd != 0 ? self : west;   // NW and SW
      const std::uint32_t right = odd != 0 ? east : self;  // NE and SE
      std::array<std::uint32_t, 6>& next = g.next[here + static_cast<std::uint32_t>(x)];
      for (std::size_t d = 0; d < 6; ++d) {
        switch (kDirections[d]) {
          case Direction::W:
            next[d] = here + west;
            break;
          case Direction::E:
            next[d] = here + east;
            break;
          case Direction::NW:
            next[d] = above + left;
            break;
          case Direction::NE:
            next[d] = above + right;
            break;
          case Direction::SW:
            next[d] = below + left;
            break;
          case Direction::SE:
            next[d] = below + right;
            break;
        }
      }
    }
  }
  return g;
}

}  // namespace swd
