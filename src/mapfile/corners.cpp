#include <array>
#include <cstdint>

#include "mapfile/lattice.hpp"
#include "mapfile/mapfile_steps.hpp"
#include "model/primitives.hpp"
#include "model/sweep.hpp"

namespace swd {

namespace {

// A test of one game code: true when the code is one of `a`, `b` (or none of them).
struct CodeTest {
  bool one_of;
  std::uint8_t a, b;
  bool operator()(int code) const { return (code == a || code == b) == one_of; }
};
constexpr CodeTest Is(std::uint8_t a) {
  return {true, a, a};
}
constexpr CodeTest IsNot(std::uint8_t a) {
  return {false, a, a};
}
constexpr CodeTest IsNeither(std::uint8_t a, std::uint8_t b) {
  return {false, a, b};
}

// Offset of a neighbouring triangle from vertex (x, y); it depends on the row parity.
struct TriangleOffset {
  int even_dx, even_dy;
  int odd_dx, odd_dy;
};

// Names the neighbours P, Q, R by their index in CornerScheme::neighbours.
enum { P = 0, Q = 1, R = 2 };

// When both neighbours `first` and `second` are good, the target takes `source`'s code.
struct CornerRule {
  int first, second, source;
};

// One corner step: the target triangle of a layer, the three triangles of the other layer
// that border it, and the two rules, of which the second overrides the first.
struct CornerScheme {
  int target_layer;
  int neighbour_layer;
  CodeTest candidate;
  std::array<TriangleOffset, 3> neighbours;
  CodeTest good;
  CornerRule rule1, rule2;
};

// The triangles of TerrainLayerB around a first triangle, and those of TerrainLayerA around
// a second triangle.
constexpr std::array<TriangleOffset, 3> kAroundA{{{-1, 0, -1, 0}, {0, 0, 0, 0}, {-1, 1, 0, 1}}};
constexpr std::array<TriangleOffset, 3> kAroundB{{{0, -1, 1, -1}, {0, 0, 0, 0}, {1, 0, 1, 0}}};

// Water wedged between land becomes land; swamp (3) does not count as land here.
constexpr CornerScheme kSmoothCorners1{.target_layer = TerrainLayerA,
                                       .neighbour_layer = TerrainLayerB,
                                       .candidate = Is(5),
                                       .neighbours = kAroundA,
                                       .good = IsNeither(5, 3),
                                       .rule1 = {P, R, P},
                                       .rule2 = {Q, R, Q}};
constexpr CornerScheme kSmoothCorners2{.target_layer = TerrainLayerB,
                                       .neighbour_layer = TerrainLayerA,
                                       .candidate = Is(5),
                                       .neighbours = kAroundB,
                                       .good = IsNeither(5, 3),
                                       .rule1 = {P, Q, P},
                                       .rule2 = {P, R, R}};
// A triangle between two code-2 triangles is completed to code 2.
constexpr CornerScheme kSmoothCorners3{.target_layer = TerrainLayerA,
                                       .neighbour_layer = TerrainLayerB,
                                       .candidate = IsNot(2),
                                       .neighbours = kAroundA,
                                       .good = Is(2),
                                       .rule1 = {P, R, P},
                                       .rule2 = {Q, R, Q}};
constexpr CornerScheme kSmoothCorners4{.target_layer = TerrainLayerB,
                                       .neighbour_layer = TerrainLayerA,
                                       .candidate = IsNot(2),
                                       .neighbours = kAroundB,
                                       .good = Is(2),
                                       .rule1 = {P, Q, P},
                                       .rule2 = {P, R, R}};

// The outermost rows and columns stay as they are, so nothing here wraps. The scheme is a
// template argument: its layers, offsets and tests become constants of each pass, which
// visits every cell of the map.
template <const CornerScheme& s>
void SmoothCorners(Generator& g) {
  const SweepPlan inner = Rows({1, g.run.MapHeight - 2}, {1, g.run.MapWidth - 2});
  SweepStep(g, MessageKey::StatusSmoothCorners, inner, [&](int x, int y) {
    std::uint8_t& t = g.grid(x, y, s.target_layer);
    if (!s.candidate(t)) return;
    const bool even = y % 2 == 0;
    std::array<std::uint8_t, 3> code{};
    for (int i = 0; i < 3; ++i) {
      const TriangleOffset& n = s.neighbours[i];
      code[i] = g.grid(x + (even ? n.even_dx : n.odd_dx), y + (even ? n.even_dy : n.odd_dy),
                       s.neighbour_layer);
    }
    for (const CornerRule& rule : {s.rule1, s.rule2}) {
      if (s.good(code[rule.first]) && s.good(code[rule.second])) t = code[rule.source];
    }
  });
}

bool IsMountainCode(int code) {
  return code == 1 || code == 11 || code == 12 || code == 13;
}

// Resource value of a vertex that got none, from the terrain code of its first triangle.
std::uint8_t EmptyResource(int code) {
  switch (code) {
    case 15:
    case 8:
    case 9:
    case 10:
    case 3:
    case 0:
      return 33;
    case 14:
      return 32;
    case 5:
      return 135;
    default:
      return 0;
  }
}

std::uint8_t FillValue(int code) {
  switch (code) {
    case 15:
    case 8:
    case 9:
    case 10:
    case 3:
    case 0:
    case 14:
    case 11:
    case 12:
    case 13:
    case 1:
    case 18:
    case 4:
      return 1;
    case 2:
      return 254;
    default:
      return 0;
  }
}

}  // namespace

void SmoothCorners1(Generator& g) {
  SmoothCorners<kSmoothCorners1>(g);
}
void SmoothCorners2(Generator& g) {
  SmoothCorners<kSmoothCorners2>(g);
}
void SmoothCorners3(Generator& g) {
  SmoothCorners<kSmoothCorners3>(g);
}
void SmoothCorners4(Generator& g) {
  SmoothCorners<kSmoothCorners4>(g);
}

void FillEmptyData(Generator& g) {
  SweepStep(g, MessageKey::StatusFillEmptyData, WholeMapByColumns(g).StopOnCancel(),
            [&](int x, int y) {
              std::uint8_t& resource = g.grid(x, y, ResourceLayer);
              if (resource != 0) {
                // Only mountains can be mined: every triangle round a resource becomes one.
                for (const TouchingTriangle& t : TrianglesAround(y)) {
                  const auto [tx, ty] = WrappedCell(g, x + t.dx, y + t.dy);
                  std::uint8_t& code = g.grid(tx, ty, t.layer);
                  if (!IsMountainCode(code)) code = static_cast<std::uint8_t>(RandomInt(g, 11, 13));
                }
              } else {
                resource = EmptyResource(g.grid(x, y, TerrainLayerA));
              }
              std::uint8_t& fill = g.grid(x, y, FillLayer13);
              if (fill == 0) fill = FillValue(g.grid(x, y, TerrainLayerA));
            });
}

}  // namespace swd
