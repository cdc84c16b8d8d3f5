#include "regions/region_steps.hpp"

namespace swd {

void CreateMountainRanges(Generator&) {}

}  // namespace swd
