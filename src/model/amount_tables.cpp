#include "model/amount_tables.hpp"

#include <algorithm>
#include <cmath>

namespace swd {

namespace {

// The region tables are all single precision: every operation below is a float operation,
// so the amounts come out the same in every build.

// "Flächen-variante": per-region amounts proportional to the mean side S, rounded.
struct AreaFactors {
  int terrain_class;
  float count, max_size, min_size;
};
constexpr AreaFactors kAreaFactors[] = {
    {Water, 0.09f, 2.5f, 0.4f},          {Forest, 0.13f, 3.1f, 1.2f}, {Swamp, 0.10f, 0.7f, 0.3f},
    {Savanna, 0.04f, 2.0f, 0.8f},        {Desert, 0.03f, 2.3f, 0.8f}, {Mountain, 0.13f, 4.0f, 1.5f},
    {kGraniteEntry, 0.20f, 0.7f, 0.04f},
};

// Without it: counts from the number of 16 x 16 blocks B, size totals from the inner area A.
struct BlockFactors {
  int terrain_class;
  float count_divisor, max_size, min_size;
};
constexpr BlockFactors kBlockFactors[] = {
    {Water, 16.0f, 0.21f, 0.04f},        {Forest, 4.0f, 0.15f, 0.05f},
    {Swamp, 25.0f, 0.04f, 0.01f},        {Savanna, 9.0f, 0.08f, 0.02f},
    {Desert, 25.0f, 0.11f, 0.03f},       {Mountain, 4.0f, 0.82f, 0.44f},
    {kGraniteEntry, 4.0f, 0.22f, 0.07f},
};
// Mountain ranges and large granite fields start at most this many regions.
constexpr float kCountCap = 32.0f;

constexpr std::array<double, 12> kDecorationDenseRange{98, 39, 0, 59, 19, 73, 91, 33, 0, 47, 0, 0};
constexpr std::array<double, 12> kDecorationBaseRange{300, 150, 0, 150, 150, 150,
                                                      150, 150, 0, 150, 0,   0};

float RoundHalfUp(float v) {
  return std::floor(v + 0.5f);
}

}  // namespace

void ComputeClassTables(Generator& g) {
  AmountTables& t = g.amounts;
  t.DecorationDenseRange = kDecorationDenseRange;
  t.DecorationBaseRange = kDecorationBaseRange;
  t.RegionCountBase.fill(0);
  t.RegionMinSizeBase.fill(0);
  t.RegionMaxSizeBase.fill(0);

  const auto w = static_cast<float>(g.settings.MapWidth);
  const auto h = static_cast<float>(g.settings.MapHeight);
  if (g.settings.CheckFlaechenvariante) {
    const float s = (w + h) / 2.0f;
    for (const AreaFactors& k : kAreaFactors) {
      t.RegionCountBase[k.terrain_class] = RoundHalfUp(s * k.count);
      t.RegionMaxSizeBase[k.terrain_class] = RoundHalfUp(s * k.max_size);
      t.RegionMinSizeBase[k.terrain_class] = RoundHalfUp(s * k.min_size);
    }
    return;
  }
  const float blocks = (w / 16.0f) * (h / 16.0f);
  const float area = (w - 10.0f) * (h - 10.0f);
  for (const BlockFactors& k : kBlockFactors) {
    t.RegionCountBase[k.terrain_class] = blocks / k.count_divisor;
    t.RegionMaxSizeBase[k.terrain_class] = area * k.max_size * 1.5f;
    t.RegionMinSizeBase[k.terrain_class] = area * k.min_size * 1.5f;
  }
  for (int capped : {static_cast<int>(Mountain), kGraniteEntry})
    t.RegionCountBase[capped] = std::min(t.RegionCountBase[capped], kCountCap);
}

}  // namespace swd
