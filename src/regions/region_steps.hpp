#pragma once

#include "model/generator.hpp"

namespace swd {

void CreateLakesAndMoors(Generator& g);
void CreateClimateRegions(Generator& g);
void CreateMountainRanges(Generator& g);
// Sprinkles the inside of the regions of class k with class 4; called by CreateMountainRanges.
void CreateSteppesAndSavannas(Generator& g, int k);
void InsertOases(Generator& g);

void RoughenMountains(Generator& g);
void ShapeHeights(Generator& g);
// Cells of class a next to class b get height h, so that two terraces meet halfway.
void EqualizeHeights(Generator& g, int a, int b, int h);
// Small random bumps on the cells of class p with none of q, r, s within two cells.
void ManipulateHeights(Generator& g, int p, int q, int r, int s);
void CheckHeights(Generator& g);
void SmoothLandscape(Generator& g);
void PickFlowers(Generator& g);

}  // namespace swd
