#include "rules/seas.hpp"

#include <algorithm>

#include "mapfile/lattice.hpp"
#include "model/grid.hpp"

namespace swd {

namespace {

// The harbour's own look-out: every neighbour but the north-western one.
constexpr std::array<Direction, 5> kHarbourCoast{Direction::W, Direction::NE, Direction::E,
                                                 Direction::SE, Direction::SW};

void AddOnce(std::vector<int>& list, int value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

}  // namespace

Seas FindSeas(const std::vector<VertexFacts>& facts, int width, int height) {
  Seas seas{std::vector<int>(facts.size(), -1), {}};
  std::vector<VertexPos> queue;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t seed = VertexIndex(width, x, y);
      if (!facts[seed].all_ship_water || seas.sea[seed] >= 0) continue;
      const int id = static_cast<int>(seas.size.size());
      seas.sea[seed] = id;
      queue.assign(1, {x, y});
      for (std::size_t head = 0; head < queue.size(); ++head) {
        for (const Direction d : kDirections) {
          const auto [nx, ny] = LatticeNeighbour(queue[head].x, queue[head].y, d, width, height);
          const std::size_t to = VertexIndex(width, nx, ny);
          if (!facts[to].all_ship_water || seas.sea[to] >= 0) continue;
          seas.sea[to] = id;
          queue.push_back({nx, ny});
        }
      }
      seas.size.push_back(static_cast<int>(queue.size()));
    }
  }
  return seas;
}

bool MarksHarbour(const SwdMap& map, int x, int y) {
  return (map.At(TerrainLayerA, x, y) & kHarbourBit) != 0;
}

Coast::Coast(const std::vector<VertexFacts>& facts, const Seas& seas, int width, int height)
    : width_(width), height_(height), seas_(facts.size(), {-1, -1}) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t here = VertexIndex(width, x, y);
      if (seas.sea[here] >= 0 || facts[here].all_water) continue;
      std::size_t found = 0;
      for (const Direction d : kDirections) {
        const auto [nx, ny] = LatticeNeighbour(x, y, d, width, height);
        const int s = seas.sea[VertexIndex(width, nx, ny)];
        auto& at = seas_[here];
        if (found < at.size() && seas.IsHarbourSea(s) &&
            std::find(at.begin(), at.end(), s) == at.end()) {
          at[found++] = s;
        }
      }
    }
  }
}

std::vector<int> Coast::SeasServed(VertexPos v) const {
  std::vector<int> found;
  for (const Direction d : kHarbourCoast) {
    const auto [x, y] = LatticeNeighbour(v.x, v.y, d, width_, height_);
    for (const int s : seas_[VertexIndex(width_, x, y)]) {
      if (s >= 0) AddOnce(found, s);
    }
  }
  return found;
}

std::vector<HarbourPlace> KeptHarbourPlaces(const SwdMap& map, const Coast& coast) {
  std::vector<HarbourPlace> kept;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      if (!MarksHarbour(map, x, y)) continue;
      std::vector<int> on = coast.SeasServed({x, y});
      if (!on.empty()) kept.push_back({{x, y}, std::move(on)});
    }
  }
  return kept;
}

}  // namespace swd
