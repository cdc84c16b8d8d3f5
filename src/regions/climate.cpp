#include "regions/region_steps.hpp"

namespace swd {

void CreateClimateRegions(Generator&) {}

}  // namespace swd
