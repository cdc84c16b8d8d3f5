#include "objects/object_steps.hpp"

namespace swd {

void FillForests(Generator&) {}
void CreateSmallTreeGroups(Generator&) {}
void PlaceTrees(Generator&) {}

}  // namespace swd
