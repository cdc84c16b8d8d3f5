#include "regions/region_steps.hpp"

namespace swd {

void CreateLakesAndMoors(Generator&) {}

}  // namespace swd
