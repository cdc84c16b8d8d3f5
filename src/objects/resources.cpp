#include <algorithm>
#include <array>
#include <cmath>

#include "model/primitives.hpp"
#include "model/sweep.hpp"
#include "objects/object_steps.hpp"

namespace swd {

namespace {

// Kinds in the order this step counts them. A resource is base + amount, amount 4..7;
// any value base + 1 .. base + 7 counts as that kind.
enum ResourceKind { Coal = 0, Iron = 1, Gold = 2, Granite = 3 };
constexpr std::array<int, 4> kResourceBase{64, 72, 80, 88};

bool IsKind(int value, int kind) {
  return value > kResourceBase[kind] && value <= kResourceBase[kind] + 7;
}

void WriteResource(Generator& g, int x, int y, int kind, int amount) {
  WriteMirrored(g, x, y, ResourceLayer, static_cast<std::uint8_t>(kResourceBase[kind] + amount));
}

// Ranges with more points than this get veins; with this many ranges or more, none does.
constexpr int kShortestVeinRange = 41;
constexpr int kVeinRangeLimit = 290;

// Lengths of the four stretches of a range of n points, by kind. Rounding can take the
// total up to n + 2; coal and iron give up a point each, alternately, while it is too long.
// A length of 0 is passed over, and what is still too long is cut off by the caller.
std::array<int, 4> StretchLengths(int n, const std::array<int, 4>& share) {
  std::array<int, 4> len{};
  for (int k = 0; k < 4; ++k) {
    len[k] = static_cast<int>(std::floor(n * share[k] / 100.0 + 0.5));
  }
  for (int kind : {Coal, Iron, Coal, Iron}) {
    const int total = len[0] + len[1] + len[2] + len[3];
    if (total > n && len[kind] > 0) --len[kind];
  }
  return len;
}

// Each long range is cut into four stretches laid end to end, one per kind, in a random
// order of kinds.
void LayVeins(Generator& g, const std::array<int, 4>& share) {
  const RangePointList& ranges = g.ranges;
  if (ranges.count >= kVeinRangeLimit) return;
  for (int r = 1; r <= ranges.count; ++r) {
    const int n = ranges.lengths[r];
    if (n < kShortestVeinRange) continue;
    const std::array<int, 4> len = StretchLengths(n, share);
    std::array<int, 4> order{};
    order[0] = RandomInt(g, 0, 3);
    for (int k = 1; k < 4; ++k) {
      do {
        order[k] = RandomInt(g, 0, 3);
      } while (std::find(order.begin(), order.begin() + k, order[k]) != order.begin() + k);
    }
    int start = 0;
    for (int kind : order) {
      const int end = std::min(start + len[kind], n);
      for (int i = start + 1; i <= end; ++i) {
        const GridPoint& p = ranges.Point(r, i);
        WriteResource(g, p.x, p.y, kind, RandomInt(g, 4, 7));
      }
      start += len[kind];
    }
    YieldToUser(g);
  }
}

// The kind that dominates among the neighbour counts; ties go to gold, then granite.
int DominantKind(const std::array<int, 4>& n) {
  const int c = n[Coal], i = n[Iron], gold = n[Gold], r = n[Granite];
  if (c > i) {
    if (c > gold) return c > r ? Coal : Granite;
    return gold >= r ? Gold : Granite;
  }
  if (i > gold) return i > r ? Iron : Granite;
  return gold >= r ? Gold : Granite;
}

// The kind of a draw t in 0..100 by the shares; none when the shares leave t out.
int KindOfDraw(int t, const std::array<int, 4>& share) {
  const int g = share[Gold], n = share[Granite], e = share[Iron];
  if (t <= g) return Gold;
  if (t <= g + n) return Granite;
  if (t <= g + n + e) return Iron;
  if (t <= 100) return Coal;
  return -1;
}

// Mountain cells without a resource take the kind of their neighbours, or one by the
// shares where no neighbour has one.
void FillMountains(Generator& g, const std::array<int, 4>& share) {
  Sweep(g, WorkingPass(g).ReportMapShare(), [&](int x, int y) {
    if (g.grid(x, y, TerrainLayerA) != Mountain || g.grid(x, y, ResourceLayer) != 0) return;
    std::array<int, 4> near{};
    ForEachNeighbour(g, x, y, kRing1, [&](const Neighbour& n) {
      const int v = g.grid(n.x, n.y, ResourceLayer);
      for (int kind = 0; kind < 4; ++kind) {
        if (IsKind(v, kind)) ++near[kind];
      }
    });
    WriteResource(g, x, y, DominantKind(near), RandomInt(g, 4, 7));
    if (near[0] + near[1] + near[2] + near[3] == 0) {
      const int t = RandomInt(g, 0, 100);
      const int amount = RandomInt(g, 4, 7);
      const int kind = KindOfDraw(t, share);
      if (kind >= 0) WriteResource(g, x, y, kind, amount);
    }
  });
}

}  // namespace

void PlaceResources(Generator& g) {
  BeginStep(g, MessageKey::StatusInsertResources);
  // Without the extended pages the run has the default shares (EffectiveSettings).
  const ResourceShareSet& s = g.run.ResourceShares;
  const std::array<int, 4> share{s.coal, s.iron, s.gold, s.granite};
  LayVeins(g, share);
  FillMountains(g, share);
  EndStep(g);
}

}  // namespace swd
