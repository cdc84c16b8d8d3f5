#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/messages.hpp"

namespace swd {

// One band of a decoration member: the draws lo..hi yield an object.
struct DecorationBand {
  enum Kind : std::uint8_t {
    Object,       // object number `first`
    DrawnObject,  // object number drawn from first..last
    Tree,         // tree, number drawn from first..last, and the cell becomes occupied
  };
  int lo, hi;
  Kind kind;
  int first, last;
  std::uint8_t type;  // 0: the member's decoration type
};

// The first band that holds h, or none.
const DecorationBand* FindBand(std::span<const DecorationBand> bands, int h);

// Bit of a landscape type in DecorationMember::types.
constexpr unsigned TypeBit(int landscape_type) {
  return 1u << landscape_type;
}

// One member of the decoration family: which class it decorates, for which landscape
// types, over which rows, with which candidates and which band table.
struct DecorationMember {
  enum Rows : std::uint8_t { AllRows, HalfAndMirror };
  enum Extra : std::uint8_t { NoExtra, ShoreCellsOnly };
  std::array<MessageKey, 3> status;  // by landscape type
  unsigned types;
  int terrain_class;
  Rows rows;
  Extra extra;
  std::uint8_t decoration_type;
  std::span<const DecorationBand> bands;
};

enum class Decoration {
  MountainMeadows,
  Savannas,
  Steppe,
  WastelandA,
  Swamps,
  Lava,
  Shores,
  Meadows,
  Pastures,
  Tundra,
  Deserts,
  WastelandB,
  MountainsLate,
};

const DecorationMember& MemberOf(Decoration d);

}  // namespace swd
