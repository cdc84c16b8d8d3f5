#include "objects/object_steps.hpp"

namespace swd {

void DecorateMountainMeadows(Generator&) {}
void DecorateSavannas(Generator&) {}
void DecorateSteppe(Generator&) {}
void DecorateWastelandA(Generator&) {}
void DecorateSwamps(Generator&) {}
void DecorateLava(Generator&) {}
void DecorateShores(Generator&) {}
void DecorateMeadows(Generator&) {}
void DecoratePastures(Generator&) {}
void DecorateTundra(Generator&) {}
void DecorateDeserts(Generator&) {}
void DecorateWastelandB(Generator&) {}
void DecorateMountainsLate(Generator&) {}

}  // namespace swd
