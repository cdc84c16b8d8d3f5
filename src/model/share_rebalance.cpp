#include "model/share_rebalance.hpp"

#include <array>
#include <cmath>

namespace swd {

namespace {

using Kinds = std::array<ShareKind, 3>;

// Per moved slider: the other three (set to 1 when they were all 0), and the order in
// which a total above or below 100 is corrected.
struct RebalanceRule {
  ShareKind moved;
  Kinds others;
  Kinds too_much;
  Kinds too_little;
};

constexpr ShareKind K = ShareKind::Coal;
constexpr ShareKind G = ShareKind::Gold;
constexpr ShareKind E = ShareKind::Iron;
constexpr ShareKind N = ShareKind::Granite;

constexpr RebalanceRule kRules[] = {
    {K, {G, N, E}, {E, G, N}, {N, G, E}},
    {G, {K, N, E}, {E, K, N}, {N, K, E}},
    {E, {G, N, K}, {K, G, N}, {N, G, K}},
    {N, {G, K, E}, {E, G, K}, {K, G, E}},
};

int Total(const ResourceShareSet& s) {
  return s.coal + s.gold + s.granite + s.iron;
}

}  // namespace

int& ShareOf(ResourceShareSet& shares, ShareKind kind) {
  switch (kind) {
    case ShareKind::Gold:
      return shares.gold;
    case ShareKind::Iron:
      return shares.iron;
    case ShareKind::Granite:
      return shares.granite;
    default:
      return shares.coal;
  }
}

int ShareOf(const ResourceShareSet& shares, ShareKind kind) {
  return ShareOf(const_cast<ResourceShareSet&>(shares), kind);
}

void RebalanceShares(ResourceShareSet& shares, ShareKind moved, const ResourceShareSet& positions) {
  const RebalanceRule* rule = nullptr;
  for (const RebalanceRule& r : kRules) {
    if (r.moved == moved) rule = &r;
  }
  if (rule == nullptr) return;

  int sum = 0;
  for (ShareKind x : rule->others)
    sum += ShareOf(positions, x);
  if (sum == 0) {
    sum = 3;
    for (ShareKind x : rule->others)
      ShareOf(shares, x) = 1;
  }
  const int moved_to = ShareOf(positions, moved);
  const int delta = moved_to - ShareOf(shares, moved);
  std::array<int, 3> change{};
  for (int i = 0; i < 3; ++i) {
    const double part = static_cast<double>(delta) * ShareOf(shares, rule->others[i]) / sum;
    change[i] = static_cast<int>(std::floor(part + 0.5));
  }
  ShareOf(shares, moved) = moved_to;
  for (int i = 0; i < 3; ++i)
    ShareOf(shares, rule->others[i]) = ShareOf(positions, rule->others[i]) - change[i];

  for (ShareKind x : rule->too_much) {
    if (Total(shares) > 100 && ShareOf(shares, x) > 0) --ShareOf(shares, x);
  }
  for (ShareKind x : rule->too_little) {
    if (Total(shares) < 100 && ShareOf(shares, x) < 100) ++ShareOf(shares, x);
  }
}

}  // namespace swd
