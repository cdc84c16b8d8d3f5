#pragma once

#include <algorithm>
#include <array>
#include <utility>

#include "model/grid.hpp"

namespace swd {

// The vertices of a map form a staggered lattice: odd rows sit half a vertex to the right of
// even rows, and the lattice wraps round every edge. Each vertex owns two triangles: the first
// (TerrainLayerA) has its top at the vertex and its base between the vertex's south-west and
// south-east neighbours; the second (TerrainLayerB) lies between the vertex, its east and its
// south-east neighbour.
enum class Direction { W, E, NW, NE, SW, SE };
inline constexpr std::array<Direction, 6> kDirections{Direction::W,  Direction::E,  Direction::NW,
                                                      Direction::NE, Direction::SW, Direction::SE};

struct LatticeStep {
  int dx, dy;
};

// The step to a neighbour; in odd rows the diagonal neighbours lie one column further right.
constexpr LatticeStep StepTowards(Direction d, int y) {
  const int odd = (y % 2 != 0) ? 1 : 0;
  switch (d) {
    case Direction::W:
      return {-1, 0};
    case Direction::E:
      return {1, 0};
    case Direction::NW:
      return {odd - 1, -1};
    case Direction::NE:
      return {odd, -1};
    case Direction::SW:
      return {odd - 1, 1};
    case Direction::SE:
      return {odd, 1};
  }
  return {0, 0};
}

// A coordinate one step outside 0..size-1 brought back in from the other edge: a branch,
// not a division, as walks over the whole map ask it for every neighbour.
inline int WrapStep(int c, int size) {
  if (c < 0) return c + size;
  if (c >= size) return c - size;
  return c;
}

// The neighbour of (x, y) in direction d on a width x height map, wrapped round the edges.
inline std::pair<int, int> LatticeNeighbour(int x, int y, Direction d, int width, int height) {
  const LatticeStep s = StepTowards(d, y);
  return {WrapStep(x + s.dx, width), WrapStep(y + s.dy, height)};
}

// Steps between the vertices (x1, y1) and (x2, y2) of a width x height map, wrapped round
// every edge: the fewest steps from one to the other over open land. The map's height is
// even, as on every map of the game's sizes, so that the rows' alternation holds across
// the edge.
inline int LatticeDistance(int x1, int y1, int x2, int y2, int width, int height) {
  // Columns of a lattice whose rows are not staggered: each row down shifts them half a
  // vertex to the left.
  const auto column = [](int x, int y) { return x - (y - (y & 1)) / 2; };
  int best = width + height;
  for (const int oy : {-height, 0, height}) {
    for (const int ox : {-width, 0, width}) {
      const int dq = column(x2 + ox, y2 + oy) - column(x1, y1);
      const int dr = y2 + oy - y1;
      const int far =
          std::max({dq < 0 ? -dq : dq, dr < 0 ? -dr : dr, (dq + dr) < 0 ? -(dq + dr) : dq + dr});
      best = std::min(best, far);
    }
  }
  return best;
}

// One of the six triangles that touch a vertex: its layer and the vertex that owns it.
struct TouchingTriangle {
  int layer, dx, dy;
};

// The six triangles around a vertex by row parity, in the order the map fill visits them: the
// three of the row above, then the second triangle of the west neighbour and the vertex's own.
inline constexpr std::array<TouchingTriangle, 6> kTouchingOdd{{{TerrainLayerA, 0, -1},
                                                               {TerrainLayerB, 0, -1},
                                                               {TerrainLayerA, 1, -1},
                                                               {TerrainLayerB, -1, 0},
                                                               {TerrainLayerA, 0, 0},
                                                               {TerrainLayerB, 0, 0}}};
inline constexpr std::array<TouchingTriangle, 6> kTouchingEven{{{TerrainLayerA, -1, -1},
                                                                {TerrainLayerB, -1, -1},
                                                                {TerrainLayerA, 0, -1},
                                                                {TerrainLayerB, -1, 0},
                                                                {TerrainLayerA, 0, 0},
                                                                {TerrainLayerB, 0, 0}}};

inline const std::array<TouchingTriangle, 6>& TrianglesAround(int y) {
  return y % 2 != 0 ? kTouchingOdd : kTouchingEven;
}

}  // namespace swd
