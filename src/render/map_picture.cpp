#include "render/map_picture.hpp"

#include <algorithm>

#include "mapfile/lattice.hpp"
#include "mapfile/terrain_codes.hpp"
#include "render/mark_drawing.hpp"
#include "render/terrain_colours.hpp"

namespace swd {

namespace {

int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Light falls from the west and the north-west. A vertex higher than its neighbours on that
// side lies on ground facing the light, one lower on ground turned away:
//   shade = 1 + clamp(0.04 * (2 h - h_W - h_NW), -0.25, 0.25),
// so one height unit of rise brightens by 4 %, and no slope changes a colour by more than a
// quarter, which keeps every terrain recognisable. A triangle takes the mean of its three
// corners, flat ground its colour unchanged.
std::vector<float> VertexShades(const SwdMap& map) {
  const int w = map.Width(), h = map.Height();
  std::vector<float> shades(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const auto [wx, wy] = LatticeNeighbour(x, y, Direction::W, w, h);
      const auto [nx, ny] = LatticeNeighbour(x, y, Direction::NW, w, h);
      const int rise =
          2 * map.At(HeightLayer, x, y) - map.At(HeightLayer, wx, wy) - map.At(HeightLayer, nx, ny);
      shades[static_cast<std::size_t>(y) * w + x] =
          1.0f + std::clamp(0.04f * static_cast<float>(rise), -0.25f, 0.25f);
    }
  }
  return shades;
}

Rgb Shaded(Rgb c, float shade) {
  const auto channel = [shade](std::uint8_t v) {
    return static_cast<std::uint8_t>(std::min(255.0f, static_cast<float>(v) * shade + 0.5f));
  };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

// The colour of every triangle, lit: entry 2 (x + w y) the first triangle of (x, y), the next
// entry its second.
std::vector<Rgb> TriangleColours(const SwdMap& map) {
  const int w = map.Width(), h = map.Height();
  const std::vector<float> shades = VertexShades(map);
  const auto shade_at = [&](std::pair<int, int> v) {
    return shades[static_cast<std::size_t>(v.second) * w + v.first];
  };
  std::vector<Rgb> colours(static_cast<std::size_t>(2) * w * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float own = shade_at({x, y});
      const float se = shade_at(LatticeNeighbour(x, y, Direction::SE, w, h));
      const struct {
        int layer;
        float shade;
      } triangles[] = {
          {TerrainLayerA, (own + se + shade_at(LatticeNeighbour(x, y, Direction::SW, w, h))) / 3},
          {TerrainLayerB, (own + se + shade_at(LatticeNeighbour(x, y, Direction::E, w, h))) / 3},
      };
      std::size_t at = 2 * (static_cast<std::size_t>(y) * w + x);
      for (const auto& t : triangles) {
        const auto colour =
            TerrainColour(map.header.landscape_type, TerrainCode(map.At(t.layer, x, y)));
        colours[at++] = colour ? Shaded(*colour, t.shade) : kUnknownTerrainColour;
      }
    }
  }
  return colours;
}

}  // namespace

int DefaultScale(int map_width, int map_height) {
  int scale = std::clamp((1024 + map_width - 1) / std::max(map_width, 1), 4, kMaxScale);
  while (scale > kMinScale && !ScaleFits(scale, map_width, map_height))
    --scale;
  return scale;
}

bool ScaleFits(int scale, int map_width, int map_height) {
  if (scale < kMinScale || scale > kMaxScale) return false;
  const PictureSize size = PictureSizeOf(map_width, map_height, scale);
  return static_cast<long>(size.width) * size.height <= kMaxPicturePixels;
}

PictureSize PictureSizeOf(int map_width, int map_height, int scale) {
  return {map_width * scale, (map_height * scale + 1) / 2};
}

RgbImage RenderMap(const SwdMap& map, const RenderOptions& options) {
  const int w = map.Width(), h = map.Height();
  const int n = options.scale > 0 ? options.scale : DefaultScale(w, h);
  const PictureSize size = PictureSizeOf(w, h, n);
  RgbImage image(size.width, size.height);
  const std::vector<Rgb> colours = TriangleColours(map);

  // Everything in half pixels, where every corner of a triangle lies on whole numbers: the
  // vertex (x, y) at (2 n x, n y), odd rows n further right, and a pixel's centre at
  // (2 px + 1, 2 py + 1). At depth t below its row, the first triangle of a vertex reaches t
  // to either side of it and the second fills the rest up to the next vertex.
  for (int py = 0; py < size.height; ++py) {
    const int row = (2 * py + 1) / n;
    const int t = (2 * py + 1) % n;
    const int y = Wrap(row, h);
    const int shift = y % 2 != 0 ? n : 0;
    for (int px = 0; px < size.width; ++px) {
      const int u = 2 * px + 1 - shift;
      const int x = FloorDiv(u + t, 2 * n);
      const bool first = u - 2 * n * x < t;
      const std::size_t at = 2 * (static_cast<std::size_t>(y) * w + Wrap(x, w));
      image.Set(px, py, colours[first ? at : at + 1]);
    }
  }

  const auto draw = [&](const std::vector<VertexMark>& marks) {
    for (const VertexMark& m : marks) {
      DrawMark(image, m, 2 * n * m.x + (m.y % 2 != 0 ? n : 0), n * m.y, n);
    }
  };
  draw(ObjectMarks(map));
  draw(HarbourMarks(map));
  draw(options.overlay);
  draw(StartFlags(map));
  return image;
}

}  // namespace swd
