#pragma once

#include <vector>

#include "mapfile/swd_map.hpp"
#include "render/rgb_image.hpp"
#include "render/vertex_marks.hpp"

namespace swd {

// The scale of a picture is the number of pixels per vertex step across. Rows lie half a
// step apart, as the game draws its triangles twice as wide as high, so a W x H map becomes
// a picture of W * scale x H * scale / 2 pixels. Odd rows sit half a step to the right, and
// the picture is one period of the map, which wraps round every edge: what leaves it on the
// right comes back on the left.
inline constexpr int kMinScale = 2;
inline constexpr int kMaxScale = 64;
inline constexpr int kMaxPictureWidth = 4096;

// About a thousand pixels across for every map size, four pixels per step at the least.
int DefaultScale(int map_width);
bool ScaleFits(int scale, int map_width);

struct PictureSize {
  int width, height;
};
PictureSize PictureSizeOf(int map_width, int map_height, int scale);

struct RenderOptions {
  int scale = 0;                    // 0: DefaultScale of the map's width
  std::vector<VertexMark> overlay;  // drawn over the objects, under the start flags
};

// The finished map as the game shows it: every triangle in the colour of its terrain code
// for the map's landscape type (kUnknownTerrainColour for a code the game does not know),
// lit by the heights, then the objects, the overlay and the numbered start flags.
RgbImage RenderMap(const SwdMap& map, const RenderOptions& options);

}  // namespace swd
