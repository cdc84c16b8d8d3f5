#include "render/vertex_marks.hpp"

#include <array>
#include <cstdint>

#include "model/grid.hpp"
#include "rules/seas.hpp"

namespace swd {

namespace {

// Object codes of the object layer; the index layer beside them says which of a kind.
constexpr int kStartObject = 0x80;  // index: the player's number less one
constexpr int kFirstTree = 0xC4, kLastTree = 0xC6;
constexpr int kDecorationA = 0xC8, kDecorationB = 0xC9;
constexpr int kGraniteA = 0xCC, kGraniteB = 0xCD;  // index 1..6: the size of the block

constexpr Rgb kTreeColour{18, 52, 10};
constexpr Rgb kGraniteColour{136, 136, 140};  // stone grey, apart from snow and ice
constexpr Rgb kDecorationColour{96, 76, 56};
constexpr Rgb kOtherObjectColour{20, 20, 20};
constexpr Rgb kAnchorColour{16, 32, 96};

template <typename Visit>
void ForEachVertex(const SwdMap& map, Visit visit) {
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x)
      visit(x, y);
  }
}

}  // namespace

std::vector<VertexMark> ObjectMarks(const SwdMap& map) {
  std::vector<VertexMark> marks;
  ForEachVertex(map, [&](int x, int y) {
    const int type = map.At(ObjectTypeLayer, x, y);
    const int index = map.At(ObjectIndexLayer, x, y);
    if (type == 0 || type == kStartObject) return;
    if (type >= kFirstTree && type <= kLastTree) {
      marks.push_back({x, y, MarkShape::Dot, kTreeColour, 0.22f});
    } else if (type == kGraniteA || type == kGraniteB) {
      const int size = index < 1 ? 1 : (index > 6 ? 6 : index);
      marks.push_back(
          {x, y, MarkShape::Square, kGraniteColour, 0.08f + 0.05f * static_cast<float>(size)});
    } else if (type == kDecorationA || type == kDecorationB) {
      marks.push_back({x, y, MarkShape::Dot, kDecorationColour, 0.12f});
    } else {
      marks.push_back({x, y, MarkShape::Dot, kOtherObjectColour, 0.12f});
    }
  });
  return marks;
}

Rgb PlayerColour(int player) {
  static constexpr std::array<Rgb, 7> kPlayers{{{255, 214, 0},
                                                {224, 32, 32},
                                                {40, 96, 255},
                                                {245, 245, 245},
                                                {255, 136, 0},
                                                {168, 64, 224},
                                                {0, 216, 216}}};
  return kPlayers[static_cast<std::size_t>((player - 1 + 7) % 7)];
}

std::vector<VertexMark> StartFlags(const SwdMap& map) {
  std::vector<VertexMark> flags;
  const auto flag = [](int x, int y, int player) {
    return VertexMark{x, y, MarkShape::Flag, PlayerColour(player), 0.0f, player};
  };
  ForEachVertex(map, [&](int x, int y) {
    const int index = map.At(ObjectIndexLayer, x, y);
    if (map.At(ObjectTypeLayer, x, y) == kStartObject && index < 7) {
      flags.push_back(flag(x, y, index + 1));
    }
  });
  if (!flags.empty()) return flags;
  const SwdHeader& h = map.header;
  for (int p = 1; p <= 7; ++p) {
    if (h.hq_x[p] && h.hq_y[p] && *h.hq_x[p] < map.Width() && *h.hq_y[p] < map.Height()) {
      flags.push_back(flag(*h.hq_x[p], *h.hq_y[p], p));
    }
  }
  return flags;
}

std::vector<VertexMark> HarbourMarks(const SwdMap& map) {
  std::vector<VertexMark> marks;
  ForEachVertex(map, [&](int x, int y) {
    if (MarksHarbour(map, x, y)) marks.push_back({x, y, MarkShape::Anchor, kAnchorColour});
  });
  return marks;
}

std::vector<VertexMark> ResourceMarks(const SwdMap& map) {
  // The upper five bits name the kind, the lower three the amount 1..7.
  struct Kind {
    int code;
    Rgb colour;
  };
  static constexpr std::array<Kind, 4> kKinds{{{0x40, {24, 24, 24}},       // coal
                                               {0x48, {200, 88, 48}},      // iron
                                               {0x50, {255, 212, 0}},      // gold
                                               {0x58, {176, 176, 188}}}};  // granite
  std::vector<VertexMark> marks;
  ForEachVertex(map, [&](int x, int y) {
    const int code = map.At(ResourceLayer, x, y);
    const int amount = code & 7;
    if (amount == 0) return;
    for (const Kind& k : kKinds) {
      if ((code & 0xF8) == k.code) {
        marks.push_back(
            {x, y, MarkShape::Dot, k.colour, 0.08f + 0.05f * static_cast<float>(amount)});
      }
    }
  });
  return marks;
}

}  // namespace swd
