#pragma once

#include <vector>

#include "mapfile/swd_map.hpp"
#include "model/tables.hpp"

namespace swd {

// Something drawn over the terrain at one vertex. Overlays are lists of these, so that any
// analysis of a map can show its findings in the picture without the renderer knowing it.
enum class MarkShape {
  Dot,     // a filled disc
  Square,  // a filled square
  Flag,    // a flag on a pole standing on the vertex, the number `label` on it
  Anchor,  // an anchor on a light square: a harbour place
};

struct VertexMark {
  int x = 0, y = 0;  // the vertex
  MarkShape shape = MarkShape::Dot;
  Rgb colour;
  float size = 0.2f;  // Dot and Square: radius or half side in vertex steps (at most 0.5)
  int label = 0;      // Flag: the digit 0..9 on it
};

// Trees, granite (larger for a higher index), decorations and any other object of the
// object layer, start positions left out.
std::vector<VertexMark> ObjectMarks(const SwdMap& map);

// A numbered flag for each start position: from the object layer's start objects when the
// map has any, else from the header's headquarters.
std::vector<VertexMark> StartFlags(const SwdMap& map);

// An anchor at every harbour place the map marks.
std::vector<VertexMark> HarbourMarks(const SwdMap& map);

// The mountain resources, coloured by kind, larger for a larger amount (the overlay
// "resources"). Ground water and fish are left out: they lie almost everywhere.
std::vector<VertexMark> ResourceMarks(const SwdMap& map);

// The flag colour of player 1..7 (the flag's number).
Rgb PlayerColour(int player);

}  // namespace swd
