#include "rules/site_rating.hpp"

#include <algorithm>
#include <cstdlib>

#include "mapfile/lattice.hpp"
#include "rules/lattice_walk.hpp"

namespace swd {

namespace {

// The ring as offsets, for even and odd rows: away from the edges, where nothing wraps, the
// ring of (x, y) is that of a vertex in a row of the same parity, moved.
const std::array<StepRing, 2> kRingOffsets = [] {
  std::array<StepRing, 2> offsets;
  for (int odd = 0; odd < 2; ++odd) {
    constexpr int kSide = 8;
    offsets[odd] = VerticesTwoStepsAway(2, 2 + odd, kSide, kSide);
    for (int i = 0; i < offsets[odd].count; ++i) {
      offsets[odd].at[i].first -= 2;
      offsets[odd].at[i].second -= 2 + odd;
    }
  }
  return offsets;
}();

SiteSize AtMost(SiteSize size, SiteSize cap) {
  if (size == SiteSize::Mine || size <= cap) return size;
  return cap;
}

// `Facts(x, y)` gives the facts of a vertex: from a table made for the whole map, or worked
// out on the spot for one vertex.
template <class Facts>
class SiteRater {
 public:
  SiteRater(const SwdMap& map, Facts facts)
      : map_(map), facts_(std::move(facts)), w_(map.Width()), h_(map.Height()) {}

  SiteSize Rate(int x, int y) const {
    const VertexFacts here = facts_(x, y);
    if (here.solid || here.any_snow_or_lava) return SiteSize::Nothing;
    SiteSize size;
    if (here.all_buildable) {
      size = SiteSize::Large;
    } else if (here.all_mountain) {
      size = SiteSize::Mine;
    } else {
      return here.any_walkable ? SiteSize::Flag : SiteSize::Nothing;
    }

    const int height = Height(x, y);
    const auto [sx, sy] = Neighbour(x, y, Direction::SE);
    const int rise_se = Height(sx, sy) - height;
    if (size == SiteSize::Mine && rise_se > 3) return SiteSize::Flag;
    if (size == SiteSize::Large) {
      if (rise_se > 1) return SiteSize::Flag;
      for (const Direction d : kDirections) {
        const auto [nx, ny] = Neighbour(x, y, d);
        if (std::abs(Height(nx, ny) - height) > 3) return SiteSize::Flag;
      }
      const StepRing ring = RingAround(x, y);
      for (int i = 0; i < ring.count; ++i) {
        if (std::abs(Height(ring.at[i].first, ring.at[i].second) - height) > 2) {
          size = SiteSize::Small;
        }
      }
    }

    for (const Direction d : kDirections) {
      const auto [nx, ny] = Neighbour(x, y, d);
      const VertexFacts n = facts_(nx, ny);
      if (n.granite) return SiteSize::Flag;
      if (n.tree) size = AtMost(size, SiteSize::Small);
      if (n.solid && (d == Direction::W || d == Direction::NW || d == Direction::NE)) {
        size = AtMost(size, SiteSize::Medium);
      }
    }
    if (!facts_(sx, sy).HoldsFlag()) return SiteSize::Flag;
    return size;
  }

 private:
  StepRing RingAround(int x, int y) const {
    if (x < 2 || y < 2 || x >= w_ - 2 || y >= h_ - 2) return VerticesTwoStepsAway(x, y, w_, h_);
    StepRing ring = kRingOffsets[y % 2];
    for (int i = 0; i < ring.count; ++i) {
      ring.at[i].first += x;
      ring.at[i].second += y;
    }
    return ring;
  }
  std::pair<int, int> Neighbour(int x, int y, Direction d) const {
    return LatticeNeighbour(x, y, d, w_, h_);
  }
  int Height(int x, int y) const { return map_.At(HeightLayer, x, y); }

  const SwdMap& map_;
  Facts facts_;
  int w_, h_;
};

}  // namespace

StepRing VerticesTwoStepsAway(int x, int y, int w, int h) {
  std::array<std::pair<int, int>, 7> near{};
  near[0] = {x, y};
  for (int d = 0; d < 6; ++d)
    near[d + 1] = LatticeNeighbour(x, y, kDirections[d], w, h);
  StepRing ring;
  for (int d = 1; d < 7; ++d) {
    for (const Direction e : kDirections) {
      const auto v = LatticeNeighbour(near[d].first, near[d].second, e, w, h);
      const auto end = ring.at.begin() + ring.count;
      if (std::find(near.begin(), near.end(), v) == near.end() &&
          std::find(ring.at.begin(), end, v) == end) {
        ring.at[ring.count++] = v;
      }
    }
  }
  return ring;
}

std::vector<SiteSize> RateBuildingSites(const SwdMap& map, const std::vector<VertexFacts>& facts) {
  const int w = map.Width();
  const SiteRater rater(
      map, [&facts, w](int x, int y) -> const VertexFacts& { return facts[VertexIndex(w, x, y)]; });
  std::vector<SiteSize> sites;
  sites.reserve(facts.size());
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x)
      sites.push_back(rater.Rate(x, y));
  }
  return sites;
}

std::vector<SiteSize> RateBuildingSites(const SwdMap& map) {
  return RateBuildingSites(map, FactsOfVertices(map));
}

SiteSize RateSite(const SwdMap& map, int x, int y) {
  const SiteRater rater(map, [&map](int vx, int vy) { return FactsOfVertex(map, vx, vy); });
  return rater.Rate(x, y);
}

SiteSize RateSite(const SwdMap& map, int x, int y,
                  const std::function<VertexFacts(int, int)>& facts) {
  return SiteRater(map, facts).Rate(x, y);
}

}  // namespace swd
