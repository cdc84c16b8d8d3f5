#include "objects/object_steps.hpp"

namespace swd {

void CreateLargeGranite(Generator&) {}
void CreateSmallGranite(Generator&) {}

}  // namespace swd
