#include "shape/shape_steps.hpp"

namespace swd {

void FrayIslandEdges(Generator&) {}
void FrayRingEdges(Generator&, double, double) {}

}  // namespace swd
