#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "cli/generate_options.hpp"
#include "files/png.hpp"
#include "mapfile/swd_format.hpp"
#include "mapfile/swd_map.hpp"
#include "render/map_picture.hpp"
#include "shape/bmp_maker.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::ReadFile;
using test::TempDir;

std::string ErrorOf(GenerateArgs a) {
  return Say(CheckGenerateArgs(a).error, Language::English);
}

TEST(GenerateOptions, EveryBadValueIsNamedInOneLine) {
  const std::vector<std::pair<const char*, void (*)(GenerateArgs&)>> bad = {
      {"--width", [](GenerateArgs& a) { a.settings["width"] = {"65"}; }},
      {"--width", [](GenerateArgs& a) { a.settings["width"] = {"16"}; }},
      {"--height", [](GenerateArgs& a) { a.settings["height"] = {"272"}; }},
      {"--height", [](GenerateArgs& a) { a.settings["height"] = {"12x"}; }},
      {"--type", [](GenerateArgs& a) { a.settings["type"] = {"wueste"}; }},
      {"--players", [](GenerateArgs& a) { a.settings["players"] = {"0"}; }},
      {"--players", [](GenerateArgs& a) { a.settings["players"] = {"8"}; }},
      {"--shape", [](GenerateArgs& a) { a.settings["shape"] = {"kreis"}; }},
      {"--shape", [](GenerateArgs& a) { a.settings["shape"] = {"spezial"}; }},
      {"--coast", [](GenerateArgs& a) { a.settings["coast"] = {"11"}; }},
      {"--amount", [](GenerateArgs& a) { a.settings["amount"] = {"8=3"}; }},
      {"--amount", [](GenerateArgs& a) { a.settings["amount"] = {"2"}; }},
      {"--size", [](GenerateArgs& a) { a.settings["size"] = {"2=11"}; }},
      {"--decoration", [](GenerateArgs& a) { a.settings["decoration"] = {"10=1"}; }},
      {"--resources", [](GenerateArgs& a) { a.settings["resources"] = {"50,50,1,0"}; }},
      {"--resources", [](GenerateArgs& a) { a.settings["resources"] = {"50,50"}; }},
      {"--granite", [](GenerateArgs& a) { a.settings["granite"] = {"1,2,3"}; }},
      {"--tree-groups", [](GenerateArgs& a) { a.settings["tree_groups"] = {"16"}; }},
      {"--animals", [](GenerateArgs& a) { a.settings["animals"] = {"1,2,3,4,5,21"}; }},
      {"--seed", [](GenerateArgs& a) { a.seed = "4294967296"; }},
      {"--seed", [](GenerateArgs& a) { a.seed = "-1"; }},
      {"--title", [](GenerateArgs& a) { a.title = "Viel zu langer Titel"; }},
      {"--title", [](GenerateArgs& a) { a.title = ""; }},
      {"--out", [](GenerateArgs& a) { a.out = "neunzeich.swd"; }},
      {"--out", [](GenerateArgs& a) { a.out = "/no/such/folder/a.swd"; }},
  };
  for (const auto& [option, change] : bad) {
    GenerateArgs a;
    change(a);
    const std::string error = ErrorOf(a);
    EXPECT_EQ(error.rfind(option, 0), 0u) << option << ": " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
}

TEST(GenerateOptions, GoodValuesBecomeSettings) {
  GenerateArgs a;
  a.settings["width"] = {"256"};
  a.settings["height"] = {"32"};
  a.settings["type"] = {"winterland"};
  a.settings["players"] = {"7"};
  a.settings["coast"] = {"0"};
  a.settings["amount"] = {"9=10", "0=0"};
  a.settings["resources"] = {"25,25,25,25"};
  a.seed = "4294967295";
  a.out = "karte";
  const Checked c = CheckGenerateArgs(a);
  ASSERT_TRUE(c.request) << c.error.German();
  const GeneratorSettings& s = c.request->settings;
  EXPECT_EQ(s.MapWidth, 256);
  EXPECT_EQ(s.MapHeight, 32);
  EXPECT_EQ(s.LandscapeType, Winterland);
  EXPECT_EQ(s.PlayerCount, 7);
  EXPECT_TRUE(s.CheckErwEinst);  // implied by the extended options
  EXPECT_EQ(s.CoastRoughness, 0);
  EXPECT_EQ(s.Slider1[9], 10);
  EXPECT_EQ(s.Slider1[0], 0);
  EXPECT_EQ(*c.request->seed, 4294967295u);
  EXPECT_EQ(c.request->out->filename(), "karte.swd");

  GenerateArgs plain;
  const Checked p = CheckGenerateArgs(plain);
  ASSERT_TRUE(p.request);
  EXPECT_FALSE(p.request->settings.CheckErwEinst);
  EXPECT_FALSE(p.request->seed);
  EXPECT_FALSE(p.request->out);
}

struct Result {
  int status;
  std::string output;
};

Result Swdgen(const std::string& args, const std::filesystem::path& cwd) {
  const std::string command = "cd '" + cwd.string() + "' && '" SWDGEN_BINARY "' " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buf[512];
  while (std::fgets(buf, sizeof buf, pipe) != nullptr)
    output += buf;
  const int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, output};
}

TEST(CommandLine, GeneratesTheSameMapTwiceAndInfoChecksIt) {
  TempDir dir;
  const Result first = Swdgen("generate --seed 1 --width 64 --height 64 --out a.swd", dir.path());
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_NE(first.output.find("players"), std::string::npos);
  const auto map = ReadFile(dir.path() / "a.swd");
  EXPECT_EQ(map.size(), 59921u);
  const auto bmp = ReadFile(dir.path() / "a.bmp");
  ASSERT_GT(bmp.size(), 26u);
  EXPECT_EQ(bmp[18], 68);  // width
  EXPECT_EQ(bmp[22], 68);  // height

  ASSERT_EQ(Swdgen("generate --seed 1 --width 64 --height 64 --out b", dir.path()).status, 0);
  EXPECT_EQ(ReadFile(dir.path() / "b.swd"), map);

  const Result info = Swdgen("info a.swd", dir.path());
  EXPECT_EQ(info.status, 0) << info.output;
  EXPECT_NE(info.output.find("64 x 64"), std::string::npos) << info.output;

  std::ofstream(dir.path() / "short.swd", std::ios::binary)
      .write(reinterpret_cast<const char*>(map.data()), 30000);
  EXPECT_EQ(Swdgen("info short.swd", dir.path()).status, 2);
  EXPECT_EQ(Swdgen("info missing.swd", dir.path()).status, 2);
}

// Runs that save under one name at the same time take turns: the map, bitmap and picture
// left behind all come from one run.
TEST(CommandLine, RunsStartedAtOnceWithTheSameOutAllSaveAndLeaveOneRunsPair) {
  TempDir dir;
  constexpr int kRuns = 20;
  auto options = [](int run) {
    return "generate --seed " + std::to_string(run) + " --title Lauf" + std::to_string(run) +
           " --width 32 --height 32 --quiet";
  };
  std::vector<FILE*> runs;
  for (int run = 0; run < kRuns; ++run) {
    const std::string command = "cd '" + dir.path().string() + "' && '" SWDGEN_BINARY "' " +
                                options(run) + " --out same.swd --png 2>&1";
    runs.push_back(popen(command.c_str(), "r"));
  }
  for (int run = 0; run < kRuns; ++run) {
    std::string output;
    char buf[512];
    while (std::fgets(buf, sizeof buf, runs[run]) != nullptr)
      output += buf;
    const int raw = pclose(runs[run]);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << run << ": " << output;
  }
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"same.bmp", "same.png", "same.swd"}));

  // The title says which run's map was left; its bitmap must be that run's as well.
  const auto map = ReadFile(dir.path() / "same.swd");
  const SwdParse parsed = ParseSwd(map);
  ASSERT_TRUE(parsed.header) << parsed.problem;
  const int winner = std::stoi(parsed.header->title_cp437.substr(4));
  const Result again = Swdgen(options(winner) + " --out again.swd", dir.path());
  ASSERT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(ReadFile(dir.path() / "again.swd"), map);
  EXPECT_EQ(ReadFile(dir.path() / "again.bmp"), ReadFile(dir.path() / "same.bmp")) << winner;
  EXPECT_EQ(ReadFile(dir.path() / "same.png"), EncodePng(RenderMap(*ReadSwdMap(map).map, {})))
      << winner;
}

TEST(CommandLine, BadValuesWriteNothingAndTraceWritesEveryRow) {
  TempDir dir;
  const Result bad = Swdgen("generate --width 65 --out x.swd", dir.path());
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.output.find("--width"), std::string::npos);
  EXPECT_EQ(Swdgen("generate --bogus", dir.path()).status, 2);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  const Result seeded = Swdgen("generate --width 32 --height 32 --dump-steps trace", dir.path());
  ASSERT_EQ(seeded.status, 0) << seeded.output;
  EXPECT_EQ(seeded.output.rfind("seed ", 0), 0u) << seeded.output;
  std::ifstream steps(dir.path() / "trace" / "steps.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(steps, line);)
    lines.push_back(line);
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_EQ(lines.front().rfind("01 BuildIsland draws=", 0), 0u);
  EXPECT_EQ(lines.back().rfind("39 PrepareHarbourPlaces draws=", 0), 0u);
  EXPECT_EQ(std::filesystem::file_size(dir.path() / "trace" / "34-SmoothCorners1.bin"),
            14u * 32 * 32);
}

TEST(CommandLine, TheCoastLevelAndShapeTakeEffect) {
  TempDir dir;
  std::vector<std::vector<std::uint8_t>> maps;
  for (const char* options : {"", "--coast 0", "--coast 10", "--shape ring", "--shape insel"}) {
    const Result r = Swdgen(
        // The same author throughout: "--shape insel" ticks the extended settings, which the
        // code in the author field would tell.
        std::string("generate --seed 5 --width 48 --height 48 --author x --out m.swd ") + options,
        dir.path());
    ASSERT_EQ(r.status, 0) << options << r.output;
    maps.push_back(ReadFile(dir.path() / "m.swd"));
  }
  EXPECT_NE(maps[0], maps[1]);
  EXPECT_NE(maps[0], maps[2]);
  EXPECT_NE(maps[0], maps[3]);
  EXPECT_EQ(maps[0], maps[4]);  // "--shape insel" is the default island
}

TEST(CommandLine, APictureIsCheckedUpFrontAndAGoodOneGivesItsMap) {
  TempDir dir;
  test::WriteBytes(dir.path() / "klein.bmp",
                   test::MakeBmp({.width = 120, .height = 96}, [](int, int) { return 0; }));
  const Result small =
      Swdgen("--lang de generate --seed 1 --picture klein.bmp --out x.swd", dir.path());
  EXPECT_EQ(small.status, 2);
  EXPECT_EQ(small.output,
            "swdgen: --picture: Das Bild \u201Eklein.bmp\u201C hat 120 x 96 Punkte, die Karte "
            "braucht 128 x 128.\n");
  const Result missing = Swdgen("--lang de generate --picture fehlt.bmp --out x.swd", dir.path());
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.output.find("fehlt.bmp\u201C gibt es nicht."), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.swd"));

  // Sea round a meadow with a gold mountain in the middle.
  test::WriteBytes(dir.path() / "gut.bmp",
                   test::MakeBmp({.width = 64, .height = 64}, [](int x, int y) {
                     if (x == 32 && y == 32) return 15;
                     return x < 10 || y < 10 || x > 53 || y > 53 ? 1 : 0;
                   }));
  const Result good = Swdgen(
      "generate --seed 1 --width 64 --height 64 --picture gut.bmp --out y.swd --dump-steps d",
      dir.path());
  ASSERT_EQ(good.status, 0) << good.output;
  const auto base = ReadFile(dir.path() / "d" / "01-BuildShapedBase.bin");
  ASSERT_EQ(base.size(), 14u * 64 * 64);
  const auto cell = [&](int layer, int x, int y) { return base[layer * 64 * 64 + y * 64 + x]; };
  EXPECT_EQ(cell(1, 0, 0), 1);
  EXPECT_EQ(cell(1, 32, 32), 7);
  EXPECT_GE(cell(11, 32, 32), 84);
  EXPECT_EQ(cell(1, 20, 20), 0);
  EXPECT_TRUE(cell(1, 10, 30) >= 4 && cell(1, 10, 30) <= 6);  // beach along the sea
}

}  // namespace
}  // namespace swd::cli
