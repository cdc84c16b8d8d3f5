#include "mapfile/mapfile_steps.hpp"

namespace swd {

void SmoothCorners1(Generator&) {}
void SmoothCorners2(Generator&) {}
void SmoothCorners3(Generator&) {}
void SmoothCorners4(Generator&) {}
void FillEmptyData(Generator&) {}

}  // namespace swd
