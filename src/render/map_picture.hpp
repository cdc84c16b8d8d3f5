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
// 4096 x 2048, a 256 x 256 map at scale 16: some 25 MB of pixels.
inline constexpr long kMaxPicturePixels = 4096L * 2048;

// At least 1024 pixels across (a 256-wide map at scale 4, a 32-wide one at 32), four pixels
// per step at the least, and never more than ScaleFits allows.
int DefaultScale(int map_width, int map_height);
bool ScaleFits(int scale, int map_width, int map_height);

struct PictureSize {
  int width, height;
};
PictureSize PictureSizeOf(int map_width, int map_height, int scale);

struct RenderOptions {
  int scale = 0;                    // 0: DefaultScale of the map
  std::vector<VertexMark> overlay;  // drawn over the objects, under the start flags
};

// The finished map as the game shows it: every triangle in the colour of its terrain code
// for the map's landscape type (kUnknownTerrainColour for a code the game does not know),
// lit by the heights, then the objects, the harbour places, the overlay and the numbered
// start flags.
RgbImage RenderMap(const SwdMap& map, const RenderOptions& options);

}  // namespace swd
