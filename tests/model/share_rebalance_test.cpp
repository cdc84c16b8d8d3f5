#include "model/share_rebalance.hpp"

#include <gtest/gtest.h>

#include <random>

namespace swd {
namespace {

ResourceShareSet Moved(ResourceShareSet shares, ShareKind kind, int to) {
  ResourceShareSet positions = shares;
  ShareOf(positions, kind) = to;
  RebalanceShares(shares, kind, positions);
  return shares;
}

TEST(RebalanceShares, SpreadsTheChangeOverTheOthers) {
  const ResourceShareSet start = GeneratorSettings{}.ResourceShares;  // 54, 15, 5, 26
  const ResourceShareSet all_coal = Moved(start, ShareKind::Coal, 100);
  EXPECT_EQ(all_coal, (ResourceShareSet{100, 0, 0, 0}));
  // All three others at 0 count as 1 each, so each gets a third of the change.
  EXPECT_EQ(Moved(all_coal, ShareKind::Coal, 70), (ResourceShareSet{70, 10, 10, 10}));
  // 54 -> 64: gold 15 - floor(10*15/46 + .5) = 12, granite 5 - 1 = 4, iron 26 - 6 = 20.
  EXPECT_EQ(Moved(start, ShareKind::Coal, 64), (ResourceShareSet{64, 12, 4, 20}));
  // 5 -> 4: coal, the largest share, takes the one unit by rounding.
  EXPECT_EQ(Moved(start, ShareKind::Granite, 4), (ResourceShareSet{55, 15, 4, 26}));
  // 26 -> 27: again coal, the largest, gives the unit.
  EXPECT_EQ(Moved(start, ShareKind::Iron, 27), (ResourceShareSet{53, 15, 5, 27}));
  // 15 -> 0 rounds to 101 in all; iron, first in the order above 100, gives one back.
  EXPECT_EQ(Moved(start, ShareKind::Gold, 0), (ResourceShareSet{64, 0, 6, 30}));
}

TEST(RebalanceShares, KeepsTheTotalAtHundred) {
  std::mt19937 random(7);
  ResourceShareSet shares = GeneratorSettings{}.ResourceShares;
  const ShareKind kinds[4] = {ShareKind::Coal, ShareKind::Gold, ShareKind::Iron,
                              ShareKind::Granite};
  for (int i = 0; i < 5000; ++i) {
    const ShareKind kind = kinds[std::uniform_int_distribution<int>(0, 3)(random)];
    shares = Moved(shares, kind, std::uniform_int_distribution<int>(0, 100)(random));
    ASSERT_EQ(shares.coal + shares.gold + shares.granite + shares.iron, 100);
    for (ShareKind k : kinds) {
      ASSERT_GE(ShareOf(shares, k), 0);
      ASSERT_LE(ShareOf(shares, k), 100);
    }
  }
}

}  // namespace
}  // namespace swd
