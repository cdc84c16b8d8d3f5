#include <gtest/gtest.h>

#include "objects/step_fixture.hpp"
#include "run/run.hpp"
#include "shape/bmp_maker.hpp"
#include "shape/picture_reader.hpp"
#include "shape/shape_steps.hpp"
#include "support/child_process.hpp"

namespace swd {
namespace {

using test::BmpLayout;
using test::MakeBmp;
using test::StepFixture;
using test::TempDir;

int Pattern(int x, int y) {
  return (x * 7 + y * 13) % 256;
}

TEST(ReadPicture, APaintProgramLayoutIsReadBottomUpFromByte1078) {
  const auto bytes = MakeBmp({.width = 64, .height = 48}, Pattern);
  const PictureRead read = ReadPicture(bytes, 64, 48);
  ASSERT_TRUE(read.problem.empty()) << read.problem.German();
  ASSERT_EQ(read.pixels.size(), 64u * 48u);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x)
      ASSERT_EQ(read.pixels[x + 64 * y], bytes[1078 + 64 * (48 - 1 - y) + x]);
  // The first byte of the pixel data is the bottom-left cell.
  EXPECT_EQ(read.pixels[64 * 47], bytes[1078]);
}

TEST(ReadPicture, TheFilesOwnOffsetStrideAndRowOrderAreFollowed) {
  const auto expected = ReadPicture(MakeBmp({.width = 64, .height = 48}, Pattern), 64, 48).pixels;
  const auto top_down = MakeBmp({.width = 64, .height = 48, .top_down = true}, Pattern);
  EXPECT_EQ(ReadPicture(top_down, 64, 48).pixels, expected);
  const auto small_palette = MakeBmp({.width = 64, .height = 48, .palette_entries = 20}, Pattern);
  EXPECT_EQ(ReadPicture(small_palette, 64, 48).pixels, expected);
  const auto v5_header = MakeBmp({.width = 64, .height = 48, .header_size = 124}, Pattern);
  EXPECT_EQ(ReadPicture(v5_header, 64, 48).pixels, expected);

  // Rows padded to four bytes: 30 pixels per row, 32 bytes apart.
  const auto padded = MakeBmp({.width = 30, .height = 3}, Pattern);
  const PictureRead read = ReadPicture(padded, 30, 3);
  ASSERT_TRUE(read.problem.empty()) << read.problem.German();
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 30; ++x)
      EXPECT_EQ(read.pixels[x + 30 * y], Pattern(x, y));
}

TEST(ReadPicture, EveryUnsuitablePictureIsRefusedWithWhatIsWrong) {
  const auto good = [](BmpLayout l) { return MakeBmp(l, Pattern); };
  auto truncated = good({});
  truncated.pop_back();
  auto not_bmp = good({});
  not_bmp[0] = 'P';
  auto offset_in_header = good({});
  offset_in_header[10] = 40;
  offset_in_header[11] = 0;
  auto huge_offset = good({});
  huge_offset[13] = 0xFF;
  const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
      {{}, "ist keine Windows-Bitmap (BMP)"},
      {not_bmp, "ist keine Windows-Bitmap (BMP)"},
      {{'B', 'M', 0, 0}, "ist zu kurz für eine Windows-Bitmap"},
      {good({.header_size = 12}),
       "hat einen veralteten Bitmap-Kopf; gebraucht wird eine "
       "Windows-Bitmap"},
      {good({.planes = 2}), "hat einen fehlerhaften Bitmap-Kopf"},
      {offset_in_header, "hat einen fehlerhaften Bitmap-Kopf"},
      {good({.bits = 24}),
       "hat 24 Bit je Punkt; gebraucht wird ein Bild mit 256 Farben (8 Bit "
       "je Punkt)"},
      {good({.bits = 4}),
       "hat 4 Bit je Punkt; gebraucht wird ein Bild mit 256 Farben (8 Bit je "
       "Punkt)"},
      {good({.compression = 1}), "ist komprimiert; gebraucht wird eine unkomprimierte Bitmap"},
      {good({.width = 48}), "hat 48 x 32 Punkte, die Karte braucht 32 x 32"},
      {good({.height = 48, .top_down = true}), "hat 32 x 48 Punkte, die Karte braucht 32 x 32"},
      {truncated, "ist unvollständig: es fehlen Bilddaten"},
      {huge_offset, "ist unvollständig: es fehlen Bilddaten"},
  };
  for (const auto& [bytes, problem] : cases) {
    const PictureRead read = ReadPicture(bytes, 32, 32);
    // The caller names the file.
    EXPECT_EQ(read.problem.WithFirst(Message::Verbatim("b.bmp")).German(),
              "Das Bild \u201Eb.bmp\u201C " + problem + ".");
    EXPECT_TRUE(read.pixels.empty());
  }
}

TEST(LoadPictureFile, MessagesNameTheFile) {
  TempDir dir;
  const auto small = dir.path() / "klein.bmp";
  test::WriteBytes(small, MakeBmp({.width = 120, .height = 96}, Pattern));
  EXPECT_EQ(LoadPictureFile(small, 128, 128).problem.German(),
            "Das Bild \u201E" + small.string() +
                "\u201C hat 120 x 96 Punkte, die Karte braucht 128 x 128.");
  EXPECT_EQ(LoadPictureFile(dir.path() / "fehlt.bmp", 32, 32).problem.German(),
            "Das Bild \u201E" + (dir.path() / "fehlt.bmp").string() + "\u201C gibt es nicht.");
  EXPECT_EQ(LoadPictureFile(dir.path(), 32, 32).problem.German(),
            "Das Bild \u201E" + dir.path().string() + "\u201C ist keine Datei.");
  EXPECT_EQ(LoadPictureFile("", 32, 32).problem.German(),
            "Für die Grundform \u201ESpezial\u201C ist kein Bild gewählt.");
  EXPECT_EQ(LoadPictureFile(small, 120, 96).problem.German(), "");
}

TEST(LoadPictureFile, APictureTheUserMayNotReadIsSaidSoNotCalledMissing) {
  TempDir dir;
  const auto locked = dir.path() / "gesperrt.bmp";
  const auto closed = dir.path() / "zu";
  std::filesystem::create_directory(closed);
  for (const auto& file : {locked, closed / "bild.bmp"}) {
    test::WriteBytes(file, MakeBmp({}, Pattern));
    std::filesystem::permissions(file, std::filesystem::perms::none);
  }
  std::filesystem::permissions(closed, std::filesystem::perms::none);
  const test::ChildResult read = test::RunInChild([&](std::ostream& out) {
    out << LoadPictureFile(locked, 32, 32).problem.German() << '\n'
        << LoadPictureFile(closed / "bild.bmp", 32, 32).problem.German();
    return 0;
  });
  std::filesystem::permissions(closed, std::filesystem::perms::owner_all);
  EXPECT_EQ(read.output, "Das Bild \u201E" + locked.string() +
                             "\u201C lässt sich nicht lesen: keine Leseberechtigung.\n"
                             "Das Bild \u201E" +
                             (closed / "bild.bmp").string() +
                             "\u201C lässt sich nicht lesen: keine Leseberechtigung.");
}

// A 32 x 32 picture base from palette indices given per cell.
struct PictureFixture : StepFixture {
  PictureFixture(int type, const std::function<int(int, int)>& pixel) : StepFixture(32, 32, type) {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        g->picture.push_back(static_cast<std::uint8_t>(pixel(x, y)));
    BuildPictureBase(*g);
  }
  int ClassCount(int c) const {
    return Count(TerrainLayerA, [c](int v) { return v == c; });
  }
};

TEST(BuildPictureBase, SeaAndPlainLandNeedNoCoast) {
  PictureFixture sea(Gruenland, [](int, int) { return 1; });
  EXPECT_EQ(sea.ClassCount(1), 32 * 32);
  PictureFixture land(Gruenland, [](int, int) { return 0; });
  EXPECT_EQ(land.ClassCount(0), 32 * 32);
  EXPECT_EQ(land.g->rng.Draws(), 0u);
  EXPECT_EQ(land.At(4, 4, AuxLayer12), 64);
  const std::vector<std::string> phases{"Lese Bild ein",
                                        "Grundfläche wird geschaffen",
                                        "Ränder werden angeglichen",
                                        "",
                                        "Ränder werden angeglichen",
                                        "",
                                        "Seen werden geschaffen",
                                        "Ränder werden angeglichen",
                                        "",
                                        "Schaffe Gebirgszüge und Schätze",
                                        "Ränder werden angeglichen",
                                        "",
                                        "Ränder werden angeglichen",
                                        "",
                                        "Schaffe Lava",
                                        "Wüstenregionen werden geschaffen",
                                        "Ränder werden angeglichen",
                                        "",
                                        "Ränder werden angeglichen",
                                        "",
                                        ""};
  EXPECT_EQ(land.host.statuses, phases);
}

TEST(BuildPictureBase, MountainPixelsCarryTheirResourcesAndMeadowsAround) {
  PictureFixture gold(Gruenland, [](int x, int y) { return x == 10 && y == 12 ? 15 : 0; });
  EXPECT_EQ(gold.At(10, 12, TerrainLayerA), 7);
  EXPECT_EQ(gold.ClassCount(7), 1);
  EXPECT_GE(gold.At(10, 12, ResourceLayer), 84);
  EXPECT_LE(gold.At(10, 12, ResourceLayer), 87);
  EXPECT_EQ(gold.ClassCount(9), 8);  // mountain meadows on the eight neighbours
  EXPECT_EQ(gold.g->rng.Draws(), 1u + 8u);

  const std::array<std::pair<int, int>, 4> bases{{{12, 88}, {13, 64}, {14, 72}, {7, 0}}};
  for (auto [index, base] : bases) {
    PictureFixture f(Winterland, [index](int x, int) { return x == 3 ? index : 0; });
    for (int y = 0; y < 32; ++y) {
      EXPECT_EQ(f.At(3, y, TerrainLayerA), 7);
      const int r = f.At(3, y, ResourceLayer) - base;
      EXPECT_TRUE(base == 0 ? r == 0 : r >= 4 && r <= 7) << index << ": " << r;
    }
    EXPECT_EQ(f.ClassCount(9), 0);  // no mountain meadows in Winterland
    EXPECT_EQ(f.g->rng.Draws(), 32u);
  }
}

TEST(BuildPictureBase, LakesGetASandyShoreEvenInWinterlandAndDesertsTheirBands) {
  const auto lake_on_sea = [](int x, int y) {
    if (x >= 12 && x < 20 && y >= 12 && y < 20) return 17;
    return x < 4 ? 1 : 0;
  };
  PictureFixture winter(Winterland, lake_on_sea);
  for (int y = 12; y < 20; ++y) {
    const int shore = winter.At(11, y, TerrainLayerA);
    EXPECT_TRUE(shore == 4 || shore == 5) << shore;
    const int sea_shore = winter.At(4, y, TerrainLayerA);  // the sea's own shore is ice
    EXPECT_TRUE(sea_shore == 8 || sea_shore == 3) << sea_shore;
  }

  PictureFixture hot(Gruenland, [](int x, int y) {
    if (x == 5 && y == 5) return 10;
    return x >= 14 && x < 18 && y >= 14 && y < 18 ? 6 : 0;
  });
  EXPECT_EQ(hot.At(5, 5, TerrainLayerA), 10);
  EXPECT_EQ(hot.At(15, 15, TerrainLayerA), 6);
  EXPECT_EQ(hot.At(13, 15, TerrainLayerA), 5);  // the band next to the desert
  EXPECT_EQ(hot.At(12, 15, TerrainLayerA), 4);  // and the band around that
  EXPECT_EQ(hot.At(11, 15, TerrainLayerA), 0);
}

TEST(RunGeneration, APictureFileIsReadBeforeTheFirstStepAndAnUnsuitableOneStopsTheRun) {
  TempDir dir;
  const auto picture = dir.path() / "insel.bmp";
  test::WriteBytes(picture, MakeBmp({}, [](int x, int y) { return x < 8 || y < 8 ? 1 : 7; }));
  const auto run = [&](const std::filesystem::path& file, int size, RunOutcome& out) {
    auto host = std::make_unique<test::RecordingHost>(dir.path(), "karte");
    auto g = std::make_unique<Generator>(*host);
    auto& s = g->settings;
    s.MapWidth = s.MapHeight = static_cast<std::int16_t>(size);
    s.CheckErwEinst = true;
    s.land_shape = LandShape::Picture;
    s.PicturePath = file.string();
    PrepareGeneration(*g);
    out = RunGeneration(*g);
    return host;
  };
  RunOutcome bad;
  const auto refused = run(picture, 64, bad);
  EXPECT_EQ(bad.status, RunOutcome::Status::Failed);
  EXPECT_EQ(bad.message.German(), "Das Bild \u201E" + picture.string() +
                                      "\u201C hat 32 x 32 Punkte, die Karte braucht 64 x 64.");
  EXPECT_TRUE(refused->rows.empty());
  EXPECT_EQ(refused->runs_ended, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "karte.swd"));

  RunOutcome good;
  const auto built = run(picture, 32, good);
  EXPECT_EQ(good.status, RunOutcome::Status::Written);
  EXPECT_EQ(built->rows.front(), 1);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "karte.swd"));
}

}  // namespace
}  // namespace swd
