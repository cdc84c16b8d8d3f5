#pragma once

#include <string>

#include "model/generator.hpp"

namespace swd {

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
// Returns an empty message when it can be used, else one naming the file and what is wrong
// with it.
Message LoadPicture(Generator& g);

// Coast shaping; the sequences of passes the steps share are in coast_passes.hpp. Both
// rules sweep the columns 0..MapWidth-1 and rows 0..RowLimit in place and repeat each
// change at the mirror cell on a symmetric base.
// Cells of class a with more than four of their eight neighbours of class b become c.
void AdaptToSurroundings(Generator& g, int a, int b, int c);
// Cells of class a or b with a neighbour of class n become c1 (one in three) or c2.
void MatchEdges(Generator& g, int a, int b, int n, int c1, int c2);

// Random water walkers along the coast, reseeded from the host's clock, then the coast.
void FrayIslandEdges(Generator& g);
void FrayRingEdges(Generator& g, double inner, double outer);

}  // namespace swd
