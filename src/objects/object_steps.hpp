#pragma once

#include "model/generator.hpp"

namespace swd {

void PlaceResources(Generator& g);
void FillForests(Generator& g);
void CreateLargeGranite(Generator& g);
void CreateSmallGranite(Generator& g);
// Size 1..6 of a granite object, by a draw 0..100.
int GraniteSizeClass(Generator& g);
void CreateSmallTreeGroups(Generator& g);
void PlaceTrees(Generator& g);

void DecorateMountainMeadows(Generator& g);
void DecorateSavannas(Generator& g);
void DecorateSteppe(Generator& g);
void DecorateWastelandA(Generator& g);
void DecorateSwamps(Generator& g);
void DecorateLava(Generator& g);
void DecorateShores(Generator& g);
void DecorateMeadows(Generator& g);
void DecoratePastures(Generator& g);
void DecorateTundra(Generator& g);
void DecorateDeserts(Generator& g);
void DecorateWastelandB(Generator& g);
void DecorateMountainsLate(Generator& g);

void PlaceAnimals(Generator& g);
void PlaceHeadquarters(Generator& g);
// The distance two headquarters keep at least: a sixteenth of the map's width and of its
// height, and 16.
float HeadquartersDistance(const RunSettings& s);

}  // namespace swd
