#pragma once

#include <array>
#include <span>
#include <string>

#include "model/generator.hpp"

namespace swd {

enum class CoastVariant { Standard, Winter };

// Base shapes.
void BuildIsland(Generator& g);
void BuildShapedBase(Generator& g);
void BuildPictureBase(Generator& g);

// The figures of BuildShapedBase, carved as meadow into a sea.
void CarveSquareSpiral(Generator& g);
void CarveEllipticSpiral(Generator& g);
void CarveRing(Generator& g);
void CarveOuterRing(Generator& g);
// The ring loop of the two rings: meadow between the ellipses inner x (ax, ay) and
// outer x (ax, ay) around the centre, inside the margin. False when cancelled.
bool CarveEllipseBand(Generator& g, double inner, double outer);

// Reads and checks the picture of the "Spezial" shape before the run lays anything.
// Returns an empty string when it can be used, else a German message naming the file and
// what is wrong with it.
std::string LoadPicture(Generator& g);

// Coast shaping. Both rules sweep the columns 0..MapWidth-1 and rows 0..RowLimit in
// place and repeat each change at the mirror cell on a symmetric base.
// Cells of class a with more than four of their eight neighbours of class b become c.
void AdaptToSurroundings(Generator& g, int a, int b, int c);
// Cells of class a or b with a neighbour of class n become c1 (one in three) or c2.
void MatchEdges(Generator& g, int a, int b, int n, int c1, int c2);

// One coast pass with its class arguments, for sequences of passes written as tables.
struct CoastPass {
  enum class Rule { Adapt, Match };
  Rule rule;
  std::array<int, 5> classes;  // Adapt: a, b, c; Match: a, b, n, c1, c2
};
void RunCoastPasses(Generator& g, std::span<const CoastPass> passes);

// The land/water border turned into a beach (Standard) or an ice shore (Winter).
void FinishCoast(Generator& g, CoastVariant variant);
// Winter in Winterland, else Standard.
void FinishCoastByType(Generator& g);

void FrayIslandEdges(Generator& g);
void FrayRingEdges(Generator& g, double inner, double outer);

}  // namespace swd
