#pragma once

#include <array>
#include <cstdint>

#include "model/generator.hpp"

namespace swd {

// The four tree kinds, equally likely: object type and the range of object numbers.
struct TreeKind {
  std::uint8_t type;
  int first, last;
};
inline constexpr std::array<TreeKind, 4> kTreeKinds{
    {{196, 48, 53}, {198, 48, 53}, {196, 112, 117}, {196, 176, 181}}};

// A tree of `type` whose object number is drawn from first..last; with `mirrored` the
// mirror cell gets the same type and a number of its own. Both cells become occupied.
void PlantTree(Generator& g, int x, int y, std::uint8_t type, int first, int last, bool mirrored);

}  // namespace swd
