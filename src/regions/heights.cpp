#include "regions/region_steps.hpp"

namespace swd {

void RoughenMountains(Generator&) {}
void ShapeHeights(Generator&) {}
void CheckHeights(Generator&) {}
void SmoothLandscape(Generator&) {}
void PickFlowers(Generator&) {}

}  // namespace swd
