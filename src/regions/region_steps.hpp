#pragma once

#include "model/generator.hpp"

namespace swd {

void CreateLakesAndMoors(Generator& g);
void CreateClimateRegions(Generator& g);
void CreateMountainRanges(Generator& g);
void InsertOases(Generator& g);
void RoughenMountains(Generator& g);
void ShapeHeights(Generator& g);
void CheckHeights(Generator& g);
void SmoothLandscape(Generator& g);
void PickFlowers(Generator& g);

}  // namespace swd
