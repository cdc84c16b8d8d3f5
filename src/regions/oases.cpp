#include "regions/region_steps.hpp"

namespace swd {

void InsertOases(Generator&) {}

}  // namespace swd
