#include "shape/shape_steps.hpp"

namespace swd {

void BuildIsland(Generator&) {}
void BuildShapedBase(Generator&) {}

}  // namespace swd
