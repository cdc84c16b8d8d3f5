#include "shape/shape_steps.hpp"

namespace swd {

void BuildPictureBase(Generator&) {}
std::string LoadPicture(Generator&) {
  return {};
}

}  // namespace swd
