#pragma once

#include <string>

#include "model/generator.hpp"

namespace swd {

enum class CoastVariant { Standard, Winter };

// Base shapes.
void BuildIsland(Generator& g);
void BuildShapedBase(Generator& g);
void BuildPictureBase(Generator& g);

// Reads and checks the picture of the "Spezial" shape before the run lays anything.
// Returns an empty string when it can be used, else a German message naming the file and
// what is wrong with it.
std::string LoadPicture(Generator& g);

// Coast shaping.
void AdaptToSurroundings(Generator& g, int a, int b, int c);
void MatchEdges(Generator& g, int a, int b, int n, int c1, int c2);
void FinishCoast(Generator& g, CoastVariant variant);
void FrayIslandEdges(Generator& g);
void FrayRingEdges(Generator& g, double inner, double outer);

}  // namespace swd
