#include "objects/object_steps.hpp"

namespace swd {

void PlaceResources(Generator&) {}

}  // namespace swd
