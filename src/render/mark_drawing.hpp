#pragma once

#include "render/rgb_image.hpp"
#include "render/vertex_marks.hpp"

namespace swd {

// Draws `mark` centred on the pixel point (x2 / 2, y2 / 2), given in half pixels; `scale` is
// the picture's pixels per vertex step. Dots and squares wrap round the picture's edges as
// the map does; a flag is moved inside it whole, so that its number stays readable.
void DrawMark(RgbImage& image, const VertexMark& mark, int x2, int y2, int scale);

}  // namespace swd
