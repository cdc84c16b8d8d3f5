#include "shape/shape_steps.hpp"

namespace swd {

void AdaptToSurroundings(Generator&, int, int, int) {}
void MatchEdges(Generator&, int, int, int, int, int) {}
void FinishCoast(Generator&, CoastVariant) {}

}  // namespace swd
