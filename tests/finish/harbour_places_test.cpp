// Harbour places: on hand-made islands, and on generated maps of every shape, each place
// checked against the game's rules by a reading of them written here, apart from the code
// that places them.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/map_analysis.hpp"
#include "analysis/map_maker.hpp"
#include "finish/harbour_places.hpp"
#include "model/setting_table.hpp"
#include "rules/seas.hpp"
#include "rules/site_rating.hpp"
#include "run/run.hpp"
#include "support/generated_map.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::FlatMap;
using test::SetTrianglesAround;

// Sea all round, with a square island of meadow from (x0, y0), `side` vertices wide.
void RaiseIsland(SwdMap& map, int x0, int y0, int side) {
  for (int y = y0; y < y0 + side; ++y) {
    for (int x = x0; x < x0 + side; ++x)
      SetTrianglesAround(map, x, y, test::kMeadow);
  }
}

SwdMap Sea(int side) {
  SwdMap map = FlatMap(side, side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x)
      SetTrianglesAround(map, x, y, test::kWater);
  }
  return map;
}

// The rules of a harbour place as the game states them, read from the map alone.
class HarbourRules {
 public:
  explicit HarbourRules(const SwdMap& map) : map_(map), w_(map.Width()), h_(map.Height()) {
    sea_size_.assign(static_cast<std::size_t>(w_) * h_, 0);
    for (int y = 0; y < h_; ++y) {
      for (int x = 0; x < w_; ++x) {
        if (!AllWater(x, y, true) || sea_size_[x + w_ * y] != 0) continue;
        std::vector<std::pair<int, int>> sea{{x, y}};
        std::vector<std::uint8_t> in(sea_size_.size(), 0);
        in[x + w_ * y] = 1;
        for (std::size_t i = 0; i < sea.size(); ++i) {
          for (int d = 0; d < 6; ++d) {
            const auto [nx, ny] = Near(sea[i].first, sea[i].second, d);
            if (in[nx + w_ * ny] == 0 && AllWater(nx, ny, true)) {
              in[nx + w_ * ny] = 1;
              sea.emplace_back(nx, ny);
            }
          }
        }
        for (const auto& [sx, sy] : sea)
          sea_size_[sx + w_ * sy] = static_cast<int>(sea.size());
      }
    }
  }

  // Kept: a neighbour but the north-western one is coastal.
  bool Kept(int x, int y) const {
    for (const int d : {0, 2, 3, 4, 5}) {  // W, NE, E, SE, SW
      const auto [cx, cy] = Near(x, y, d);
      if (sea_size_[cx + w_ * cy] != 0 || AllWater(cx, cy, false)) continue;
      for (int e = 0; e < 6; ++e) {
        const auto [sx, sy] = Near(cx, cy, e);
        if (sea_size_[sx + w_ * sy] > 20) return true;
      }
    }
    return false;
  }

 private:
  // W, NW, NE, E, SE, SW.
  std::pair<int, int> Near(int x, int y, int d) const {
    const int odd = y % 2;
    constexpr int kDx[2][6] = {{-1, -1, 0, 1, 0, -1}, {-1, 0, 1, 1, 1, 0}};
    constexpr int kDy[6] = {0, -1, -1, 0, 1, 1};
    return {(x + kDx[odd][d] + w_) % w_, (y + kDy[d] + h_) % h_};
  }
  // All six triangles water: of code 5 (`ships`), or of any water.
  bool AllWater(int x, int y, bool ships) const {
    for (const TouchingTriangle& t : TrianglesAround(y)) {
      const int code = map_.At(t.layer, (x + t.dx + w_) % w_, (y + t.dy + h_) % h_) & 0x3F;
      if (code != 5 && (ships || code != 19)) return false;
    }
    return true;
  }

  const SwdMap& map_;
  int w_, h_;
  std::vector<int> sea_size_;  // per vertex: the size of its sea, 0 off the seas
};

// Every marked place is kept, rates as a large site, keeps its distance from the others
// and from the starts' blocks.
void ExpectSoundPlaces(const SwdMap& map, const std::vector<VertexPos>& starts,
                       const std::string& what) {
  const HarbourRules rules(map);
  const std::vector<SiteSize> sites = RateBuildingSites(map);
  std::vector<VertexPos> places;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      if ((map.At(TerrainLayerA, x, y) & 0x40) == 0) continue;
      places.push_back({x, y});
      EXPECT_TRUE(rules.Kept(x, y)) << what << " at " << x << "," << y;
      EXPECT_EQ(sites[x + map.Width() * y], SiteSize::Large) << what << " at " << x << "," << y;
      for (const VertexPos s : starts) {
        const int dx = std::min(std::abs(x - s.x), map.Width() - std::abs(x - s.x));
        const int dy = std::min(std::abs(y - s.y), map.Height() - std::abs(y - s.y));
        EXPECT_FALSE(dx <= 2 && dy <= 2) << what << ": a place in a start's block";
      }
    }
  }
  // Steps between places, by a walk over the bare lattice.
  for (const VertexPos p : places) {
    const WalkGraph open = BuildWalkGraph(FactsOfVertices(FlatMap(map.Width(), map.Height())),
                                          map.Width(), map.Height(), WalkRule::GameStart);
    const LatticeWalk from = WalkLattice(open, {p}, kHarbourSpacing - 1);
    for (const VertexPos q : places) {
      if (q == p) continue;
      EXPECT_LT(from.distance[q.x + map.Width() * q.y], 0)
          << what << ": places " << p.x << "," << p.y << " and " << q.x << "," << q.y;
    }
  }
}

TEST(HarbourPlaces, TwoIslandsWithAStartEachGetAPortEach) {
  SwdMap map = Sea(64);
  RaiseIsland(map, 4, 4, 20);
  RaiseIsland(map, 36, 36, 20);
  map.At(HeightLayer, 4, 4) = 30;  // a cliff at one coast: the place comes down to the sea
  const std::vector<VertexPos> starts{{14, 14}, {46, 46}};
  map.header.player_count = 2;
  for (int p = 1; p <= 2; ++p) {
    map.header.hq_x[p] = static_cast<std::uint16_t>(starts[p - 1].x);
    map.header.hq_y[p] = static_cast<std::uint16_t>(starts[p - 1].y);
  }
  const SwdMap before = map;
  EXPECT_EQ(AnalyzeMap(map, kDefaultRadius).starts[0].reach, Reach::None);

  const std::vector<VertexPos> placed = PlaceHarbours(map, starts);
  ASSERT_GE(placed.size(), 2u);
  ExpectSoundPlaces(map, starts, "two islands");
  const MapAnalysis a = AnalyzeMap(map, kDefaultRadius);
  EXPECT_EQ(a.harbours.size(), placed.size());
  for (const StartReport& s : a.starts)
    EXPECT_EQ(s.reach, Reach::ShipOnly) << "player " << s.start.player;

  // The water stays water.
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      for (const int layer : {TerrainLayerA, TerrainLayerB}) {
        if ((before.At(layer, x, y) & 0x3F) == test::kWater) {
          EXPECT_EQ(map.At(layer, x, y) & 0x3F, test::kWater) << x << "," << y;
        }
      }
    }
  }

  // One island for both: nobody needs a ship, the island stays as it is.
  SwdMap one = Sea(64);
  RaiseIsland(one, 4, 4, 50);
  const SwdMap untouched = one;
  EXPECT_TRUE(PlaceHarbours(one, {{14, 14}, {44, 44}}).empty());
  EXPECT_EQ(one.layers, untouched.layers);
}

TEST(HarbourPlaces, ALandWorthSettlingOnTheSameSeaGetsAPortToo) {
  SwdMap map = Sea(64);
  RaiseIsland(map, 4, 4, 24);    // the start's
  RaiseIsland(map, 34, 34, 24);  // no start, room for a town
  RaiseIsland(map, 40, 6, 5);    // no start, too small to sail to
  const std::vector<VertexPos> starts{{15, 15}};
  const std::vector<VertexPos> placed = PlaceHarbours(map, starts);
  ExpectSoundPlaces(map, starts, "island worth settling");
  ASSERT_GE(placed.size(), 2u);
  bool on_start_island = false, on_other = false, on_small = false;
  for (const VertexPos p : placed) {
    on_start_island = on_start_island || (p.x < 30 && p.y < 30);
    on_other = on_other || (p.x >= 30 && p.y >= 30);
    on_small = on_small || (p.x >= 38 && p.y < 14);
  }
  EXPECT_TRUE(on_start_island);
  EXPECT_TRUE(on_other);
  EXPECT_FALSE(on_small);
}

// Over every shape and player count: a start that the land parts from its rivals reaches
// them by ship, and every place is sound.
TEST(HarbourPlaces, EveryStartTheLandPartsReachesItsRivalsByShip) {
  int by_ship = 0;
  for (const char* shape : {"insel", "insel-sym", "spirale", "ring", "spirale-ring"}) {
    for (const int players : {2, 4, 7}) {
      for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const auto land = static_cast<LandShape>(*ParseSettingText(*FindSetting("shape"), shape));
        const SwdMap map = test::GeneratedMap(test::ShapedSettings(land, players), seed);
        const MapAnalysis a = AnalyzeMap(map, kDefaultRadius);
        std::vector<VertexPos> starts;
        for (const StartReport& s : a.starts)
          starts.push_back(s.start.at);
        const std::string what = std::string(shape) + " " + std::to_string(players) +
                                 " players, seed " + std::to_string(seed);
        ExpectSoundPlaces(map, starts, what);
        for (const StartReport& s : a.starts) {
          EXPECT_NE(s.reach, Reach::None) << what << ", player " << s.start.player;
          by_ship += s.reach == Reach::ShipOnly ? 1 : 0;
        }
      }
    }
  }
  EXPECT_GT(by_ship, 0);
}

}  // namespace
}  // namespace swd
