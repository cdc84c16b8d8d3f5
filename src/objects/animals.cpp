#include "objects/object_steps.hpp"

namespace swd {

void PlaceAnimals(Generator&) {}

}  // namespace swd
