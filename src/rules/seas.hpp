#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "mapfile/swd_map.hpp"
#include "rules/lattice_walk.hpp"
#include "rules/vertex_facts.hpp"

namespace swd {

// Ships sail on water of code 5 only. A sea vertex has all six triangles of it; a sea is a
// set of sea vertices joined through neighbours.
inline constexpr int kShipWater = 5;

// The game keeps a harbour place only on a sea of more than 20 vertices.
inline constexpr int kSmallestHarbourSea = 21;

// A harbour place is marked by this bit of the vertex's byte in TerrainLayerA; the terrain
// code stays in the low six bits. The game never reads the bit in TerrainLayerB.
inline constexpr std::uint8_t kHarbourBit = 0x40;

struct Seas {
  std::vector<int> sea;   // per vertex (index x + width * y): its sea, -1 off the seas
  std::vector<int> size;  // per sea: its vertices
  bool IsHarbourSea(int s) const {
    return s >= 0 && size[static_cast<std::size_t>(s)] >= kSmallestHarbourSea;
  }
};

// The seas of a map whose vertices have these facts.
Seas FindSeas(const std::vector<VertexFacts>& facts, int width, int height);

bool MarksHarbour(const SwdMap& map, int x, int y);

// The seas at the coast of every vertex, found once for a map whose seas stay as they are. A
// coastal vertex is no sea vertex, its six triangles are not all water, and a neighbour of
// it is a sea vertex of a sea that can take harbours.
class Coast {
 public:
  Coast(const std::vector<VertexFacts>& facts, const Seas& seas, int width, int height);
  // The seas a harbour place at v serves, as the game finds them when the map loads: the
  // seas at the coast of its neighbours W, NE, E, SE and SW (the game does not look
  // north-west). Empty: the game drops the place.
  std::vector<int> SeasServed(VertexPos v) const;
  // The seas at the coast of the vertex of index i, -1 where there are fewer than two.
  const std::array<int, 2>& SeasAt(std::size_t i) const { return seas_[i]; }

 private:
  int width_, height_;
  std::vector<std::array<int, 2>> seas_;  // per vertex: up to two seas at its coast, else -1
};

struct HarbourPlace {
  VertexPos at;
  std::vector<int> seas;
};

// The marked harbour places the game keeps, row by row.
std::vector<HarbourPlace> KeptHarbourPlaces(const SwdMap& map, const Coast& coast);

}  // namespace swd
