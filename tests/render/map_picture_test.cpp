// The picture of a finished map: where each triangle lands, its colour, its light, the flags.
#include <gtest/gtest.h>

#include <set>

#include "mapfile/terrain_codes.hpp"
#include "render/flat_map.hpp"
#include "render/map_picture.hpp"
#include "render/terrain_colours.hpp"

namespace swd {
namespace {

using test::FlatMeadow;

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive
  int pixels;
};

// Where the picture shows `colour`: the bounding box and the count of such pixels.
Box Where(const RgbImage& image, Rgb colour) {
  Box box{image.Width(), image.Height(), -1, -1, 0};
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (!(image.Get(x, y) == colour)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
             std::max(box.bottom, y + 1), box.pixels + 1};
    }
  }
  return box;
}

Rgb Colour(int type, int code) {
  return *TerrainColour(type, code);
}

// At scale 8 the vertex (x, y) lies at pixel (8 x + 4 (y odd), 4 y): a triangle is 8 pixels
// wide and 4 high, and the pixels whose centres lie in it are 16, in rows of 1, 3, 5, 7.
TEST(MapPicture, EachTriangleLandsOnTheStaggeredLatticeAndWrapsAtTheEdge) {
  SwdMap map = FlatMeadow(32, 32);
  map.At(TerrainLayerA, 5, 4) = 4;          // desert: the first triangle of an even-row vertex
  map.At(TerrainLayerB, 7, 3) = 0x40 | 16;  // lava: the second of an odd-row one, upper bits set
  map.At(TerrainLayerA, 0, 6) = 2;          // snow: its base reaches across the left edge
  const RgbImage image = RenderMap(map, {8, {}});
  ASSERT_EQ(image.Width(), 256);
  ASSERT_EQ(image.Height(), 128);

  const Box desert = Where(image, Colour(0, 4));
  EXPECT_EQ(desert.pixels, 16);
  EXPECT_EQ(std::vector({desert.left, desert.top, desert.right, desert.bottom}),
            std::vector({36, 16, 43, 20}));
  EXPECT_EQ(image.Get(39, 16), Colour(0, 4));  // the top, a pixel wide, under the vertex
  EXPECT_EQ(image.Get(41, 16), Colour(0, 8));

  const Box lava = Where(image, Colour(0, 16));
  EXPECT_EQ(lava.pixels, 16);
  EXPECT_EQ(std::vector({lava.left, lava.top, lava.right, lava.bottom}),
            std::vector({60, 12, 67, 16}));
  EXPECT_EQ(image.Get(63, 15), Colour(0, 16));  // the tip, pointing down at the SE vertex

  const Box snow = Where(image, Colour(0, 2));
  EXPECT_EQ(snow.pixels, 16);
  EXPECT_EQ(snow.top, 24);
  EXPECT_EQ(snow.bottom, 28);
  EXPECT_EQ(image.Get(255, 27), Colour(0, 2));
  EXPECT_EQ(image.Get(2, 27), Colour(0, 2));
  EXPECT_EQ(image.Get(100, 27), Colour(0, 8));
}

TEST(MapPicture, ColoursFollowTheLandscapeTypeAndUnknownCodesAreMagenta) {
  for (int type = 0; type <= 2; ++type) {
    for (int code = 0; code < 64; ++code) {
      EXPECT_EQ(TerrainColour(type, code).has_value(), KindOfTerrain(code) != TerrainKind::Unknown)
          << type << " " << code;
    }
  }
  const Rgb meadow[] = {{0x48, 0x78, 0x0C}, {0x5C, 0x58, 0x40}, {0xB0, 0xA4, 0x94}};
  for (int type = 0; type <= 2; ++type) {
    SwdMap map = FlatMeadow(32, 32, type);
    map.At(TerrainLayerB, 10, 10) = 5;   // water is blue on every type
    map.At(TerrainLayerA, 20, 20) = 40;  // no code of the game
    const RgbImage image = RenderMap(map, {4, {}});
    EXPECT_EQ(image.Get(60, 40), meadow[type]) << type;
    const Rgb water = image.Get(41, 20);  // (10, 10) lies at (40, 20)
    EXPECT_TRUE(water.b > 2 * water.r && water.b > water.g) << type;
    EXPECT_EQ(Where(image, kUnknownTerrainColour).pixels, 4) << type;
  }
}

// Light from the west and north-west: the slope up to a raised vertex faces it, the ground
// east of the vertex lies behind it.
TEST(MapPicture, SlopesFacingTheLightAreLighterAndThoseBehindDarker) {
  SwdMap map = FlatMeadow(32, 32);
  map.At(HeightLayer, 10, 10) = 14;
  const RgbImage image = RenderMap(map, {8, {}});
  const Rgb flat = Colour(0, 8);
  const Rgb lit = image.Get(80, 42);     // inside the first triangle of (10, 10)
  const Rgb behind = image.Get(92, 41);  // inside the second triangle of (11, 10)
  EXPECT_GT(lit.g, flat.g);
  EXPECT_LT(behind.g, flat.g);
  // Subtle: the ground keeps its colour within a quarter.
  for (const Rgb c : {lit, behind}) {
    EXPECT_GT(c.g, flat.g * 3 / 4);
    EXPECT_LT(c.g, flat.g * 5 / 4 + 1);
  }
  EXPECT_EQ(image.Get(200, 100), flat);
}

TEST(MapPicture, StartObjectsGiveTheFlagsElseTheHeadersHeadquarters) {
  SwdMap map = FlatMeadow(64, 64);
  map.header.player_count = 2;
  map.header.hq_x[1] = 5;
  map.header.hq_y[1] = 40;
  map.header.hq_x[2] = 200;  // outside the map: no flag
  map.header.hq_y[2] = 3;
  auto flags = [](const SwdMap& m) {
    std::set<std::tuple<int, int, int>> found;
    for (const VertexMark& f : StartFlags(m)) {
      EXPECT_EQ(f.shape, MarkShape::Flag);
      EXPECT_EQ(f.colour, PlayerColour(f.label));
      found.insert({f.label, f.x, f.y});
    }
    return found;
  };
  EXPECT_EQ(flags(map), (std::set<std::tuple<int, int, int>>{{1, 5, 40}}));

  map.At(ObjectTypeLayer, 30, 20) = 0x80;
  map.At(ObjectIndexLayer, 30, 20) = 2;  // player 3
  EXPECT_EQ(flags(map), (std::set<std::tuple<int, int, int>>{{3, 30, 20}}));

  // The banner stands above and to the right of its vertex, here (240, 80) at scale 8.
  const RgbImage image = RenderMap(map, {8, {}});
  const Box banner = Where(image, PlayerColour(3));
  ASSERT_GT(banner.pixels, 0);
  EXPECT_GE(banner.left, 240);
  EXPECT_LE(banner.right, 260);
  EXPECT_LT(banner.bottom, 80);
  EXPECT_GT(banner.top, 50);
  EXPECT_EQ(Where(image, PlayerColour(1)).pixels, 0);
}

TEST(MapPicture, TheDefaultScaleGivesAThousandPixelsAndHugePicturesAreRefused) {
  EXPECT_EQ(DefaultScale(256, 256), 4);
  EXPECT_EQ(DefaultScale(128, 128), 8);
  EXPECT_EQ(DefaultScale(32, 32), 32);
  EXPECT_TRUE(ScaleFits(16, 256, 256));
  EXPECT_FALSE(ScaleFits(17, 256, 256));
  EXPECT_FALSE(ScaleFits(1, 32, 32));
  EXPECT_FALSE(ScaleFits(65, 32, 32));
  // A map one vertex wide and as long as a file allows still gets a picture.
  EXPECT_TRUE(ScaleFits(DefaultScale(1, 65000), 1, 65000));
}

}  // namespace
}  // namespace swd
