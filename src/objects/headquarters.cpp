#include "objects/object_steps.hpp"

namespace swd {

void PlaceHeadquarters(Generator&) {}

}  // namespace swd
