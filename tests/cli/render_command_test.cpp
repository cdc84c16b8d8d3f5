// `swdgen render` and `generate --png`, run in-process, with the pictures read back by libpng.
#include <gtest/gtest.h>

#include <png.h>

#include "cli/commands.hpp"
#include "files/png.hpp"
#include "render/flat_map.hpp"
#include "render/map_picture.hpp"
#include "shape/bmp_maker.hpp"
#include "support/child_process.hpp"
#include "support/in_process.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::ReadFile;
using test::RunSwdgen;
using test::TempDir;

struct Decoded {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
};

Decoded DecodePng(const std::vector<std::uint8_t>& bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) return {};
  image.format = PNG_FORMAT_RGB;
  Decoded d{static_cast<int>(image.width), static_cast<int>(image.height), {}};
  d.rgb.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, d.rgb.data(), 0, nullptr) == 0) return {};
  return d;
}

SwdMap MapIn(const std::filesystem::path& file) {
  return *ReadSwdMap(ReadFile(file)).map;
}

TEST(Render, EveryTypeAndSizeGivesAPngOfTheRenderedPixels) {
  TempDir dir;
  const struct {
    const char *type, *width, *height;
  } maps[] = {{"gruenland", "32", "32"},
              {"oedland", "256", "256"},
              {"winterland", "48", "256"},
              {"winterland", "256", "32"}};
  for (const auto& m : maps) {
    const auto map = dir.path() / "m.swd";
    const auto png = dir.path() / "beside.png";
    const auto run =
        RunSwdgen({"generate", "--seed", "3", "--quiet", "--type", m.type, "--width", m.width,
                   "--height", m.height, "--out", map.string(), "--png", png.string()});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find("picture " + png.string()), std::string::npos) << run.out;
    const RgbImage expected = RenderMap(MapIn(map), {});
    const Decoded written = DecodePng(ReadFile(png));
    EXPECT_EQ(written.width, expected.Width()) << m.type << m.width;
    EXPECT_GE(written.width, 1024);
    EXPECT_EQ(written.height, expected.Height());
    EXPECT_TRUE(written.rgb == expected.Pixels()) << m.type << " " << m.width << "x" << m.height;

    // render names the picture after the map unless told otherwise.
    ASSERT_EQ(RunSwdgen({"render", map.string(), "--scale", "2"}).status, kExitOk);
    const Decoded small = DecodePng(ReadFile(dir.path() / "m.png"));
    EXPECT_EQ(small.width, 2 * std::stoi(m.width));
    EXPECT_EQ(small.height, std::stoi(m.height));
  }
}

TEST(Render, UnknownCodesAreDrawnInMagentaAndReportedAndTheOverlayAddsResources) {
  TempDir dir;
  SwdMap map = test::FlatMeadow(32, 32, 2);
  map.At(TerrainLayerB, 3, 1) = 40;
  map.At(TerrainLayerA, 9, 9) = 63;
  map.At(ResourceLayer, 20, 20) = 0x57;  // gold, the largest amount
  test::WriteBytes(dir.path() / "hand.swd", EncodeSwdMap(map));
  const auto file = (dir.path() / "hand.swd").string();

  const auto plain = RunSwdgen({"render", file, "--scale", "8", "-o", (dir.path() / "a.png")});
  EXPECT_EQ(plain.status, kExitOk);
  EXPECT_EQ(plain.err, "swdgen: " + file +
                           ": 2 triangles have a terrain code the game does not know (first "
                           "40 at 3, 1); they are drawn in magenta, the game does not load this "
                           "map.\n");
  const Decoded a = DecodePng(ReadFile(dir.path() / "a.png"));
  int magenta = 0;
  for (std::size_t i = 0; i < a.rgb.size(); i += 3)
    magenta += a.rgb[i] == 255 && a.rgb[i + 1] == 0 && a.rgb[i + 2] == 255;
  EXPECT_EQ(magenta, 2 * 16);

  ASSERT_EQ(RunSwdgen({"render", file, "--scale", "8", "--overlay", "resources", "-o",
                       (dir.path() / "b.png")})
                .status,
            kExitOk);
  const Decoded b = DecodePng(ReadFile(dir.path() / "b.png"));
  ASSERT_EQ(a.rgb.size(), b.rgb.size());
  int changed = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * a.width + x) * 3;
      if (a.rgb[at] == b.rgb[at] && a.rgb[at + 1] == b.rgb[at + 1]) continue;
      ++changed;
      EXPECT_LE(std::abs(x - 160), 5) << x;  // the vertex (20, 20) lies at (160, 80)
      EXPECT_LE(std::abs(y - 80), 5) << y;
    }
  }
  EXPECT_GT(changed, 8);
}

// The sites overlay marks what the analysis rates: large sites in green squares where a
// flat meadow gives room, mines in violet on the mountains.
TEST(Render, TheSitesOverlayMarksLargeSitesAndMines) {
  TempDir dir;
  const auto map = (dir.path() / "s.swd").string();
  ASSERT_EQ(RunSwdgen({"generate", "--seed", "2", "--width", "64", "--height", "64", "--quiet",
                       "--out", map})
                .status,
            kExitOk);
  const auto count = [](const Decoded& d, Rgb c) {
    int n = 0;
    for (std::size_t i = 0; i < d.rgb.size(); i += 3)
      n += d.rgb[i] == c.r && d.rgb[i + 1] == c.g && d.rgb[i + 2] == c.b;
    return n;
  };
  for (const auto& [overlay, png] : {std::pair{"resources", "plain.png"}, {"sites", "sites.png"}}) {
    ASSERT_EQ(
        RunSwdgen({"render", map, "--overlay", overlay, "-o", (dir.path() / png).string()}).status,
        kExitOk);
  }
  const Decoded plain = DecodePng(ReadFile(dir.path() / "plain.png"));
  const Decoded sites = DecodePng(ReadFile(dir.path() / "sites.png"));
  EXPECT_EQ(count(plain, {0, 200, 0}), 0);
  EXPECT_GT(count(sites, {0, 200, 0}), 100);
  EXPECT_GT(count(sites, {170, 60, 200}), 10);
}

TEST(Render, BadOptionsAreRefusedInOneLineAndWriteNothing) {
  TempDir dir;
  const auto map = (dir.path() / "k.swd").string();
  ASSERT_EQ(RunSwdgen({"generate", "--seed", "1", "--quiet", "--out", map}).status, kExitOk);
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"--scale", "1"}, "swdgen: --scale: '1' is not valid; it accepts a whole number 2 to 64"},
      {{"--scale", "8x"}, "swdgen: --scale: '8x' is not valid"},
      {{"--scale", "33"},
       "swdgen: --scale: With --scale 33 the picture of the 128 x 128 map would have 4224 x 2112 "
       "pixels, more than the 8388608 pixels (4096 x 2048) render draws at most."},
      {{"--overlay", "resources,roads"}, "swdgen: --overlay: 'roads' is not valid"},
      {{"-o", map}, "swdgen: -o: '" + map + "' is the map itself"},
  };
  for (const auto& [options, message] : refused) {
    std::vector<std::string> args{"render", map};
    args.insert(args.end(), options.begin(), options.end());
    const auto r = RunSwdgen(args);
    EXPECT_EQ(r.status, kExitBadInput) << message;
    EXPECT_EQ(r.err.rfind(message, 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  EXPECT_EQ(RunSwdgen({"render", (dir.path() / "none.swd").string()}).status, kExitBadInput);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "k.png"));
  EXPECT_EQ(ReadSwdMap(ReadFile(map)).problem, "");
}

TEST(Render, GenerateChecksThePicturesFolderFirstAndSavesThePictureWithTheMap) {
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  const auto map = (dir.path() / "p.swd").string();
  const auto missing = RunSwdgen(
      {"generate", "--quiet", "--out", map, "--png", (dir.path() / "no" / "p.png").string()});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_EQ(missing.err,
            "swdgen: --png: The folder " + (dir.path() / "no").string() + " does not exist.\n");
  EXPECT_FALSE(std::filesystem::exists(map));

  // A folder where the picture should go takes it, under the map's name.
  std::filesystem::create_directory(dir.path() / "taken.png");
  const std::vector<std::string> small = {"generate", "--seed",   "2",  "--quiet", "--width",
                                          "32",       "--height", "32", "--out",   map};
  auto into = small;
  into.insert(into.end(), {"--png", (dir.path() / "taken.png").string()});
  const auto taken = RunSwdgen(into);
  EXPECT_EQ(taken.status, kExitOk) << taken.err;
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "taken.png" / "p.png"));

  // The picture is one of the map's files: where it cannot be written, neither is the map.
  const auto closed = dir.path() / "closed";
  std::filesystem::create_directory(closed);
  std::filesystem::permissions(closed, std::filesystem::perms::owner_all |
                                           std::filesystem::perms::others_read |
                                           std::filesystem::perms::others_exec);
  const auto before = ReadFile(map);
  auto refused = small;
  refused[2] = "3";
  refused.insert(refused.end(), {"--png", (closed / "p.png").string()});
  const test::ChildResult r = test::RunInChild([&](std::ostream& err) {
    const auto run = RunSwdgen(refused);
    err << run.err;
    return run.status;
  });
  EXPECT_EQ(r.status, kExitWriteFailed);
  EXPECT_EQ(r.output, "swdgen: The file p.png could not be saved in the folder " + closed.string() +
                          ": no permission to write.\n");
  EXPECT_EQ(ReadFile(map), before);
}

}  // namespace
}  // namespace swd::cli
