// Many runs with settings drawn at random over every option's whole range, each through
// the command line as a user would start it, each map then checked by `swdgen info`. Built
// only under the sanitizers, where a fault of memory or arithmetic ends the test. Every
// run is drawn from its own number, so a failing run can be repeated from its message;
// SWDGEN_ROBUSTNESS_SEED draws a different set.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "cli/commands.hpp"
#include "shape/bmp_maker.hpp"
#include "support/in_process.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

constexpr int kShards = 4;
constexpr int kRunsPerShard = 55;

std::uint32_t BaseSeed() {
  const char* given = std::getenv("SWDGEN_ROBUSTNESS_SEED");
  return given != nullptr ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10))
                          : 20250611u;
}

// The random choices of one run. Whole ranges are drawn with their ends more often than
// their share, since the ends are where faults hide.
class Draw {
 public:
  explicit Draw(std::uint32_t seed) : rng_(seed) {}
  int Between(int lo, int hi) {
    switch (Uniform(0, 3)) {
      case 0:
        return lo;
      case 1:
        return hi;
      default:
        return Uniform(lo, hi);
    }
  }
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Uniform(1, 100) <= percent; }
  template <class T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Uniform(0, static_cast<int>(N) - 1)];
  }
  std::uint32_t Seed() { return static_cast<std::uint32_t>(rng_()); }

 private:
  std::mt19937 rng_;
};

std::string Text(int n) {
  return std::to_string(n);
}

// Palette indices of every kind the picture legend knows, and some it does not.
int PictureIndex(Draw& d) {
  static constexpr int kLegend[] = {0, 1, 6, 7, 10, 12, 13, 14, 15, 17};
  return d.Chance(85) ? d.Pick(kLegend) : d.Uniform(0, 255);
}

// A picture of the map's size: a ground of one index with blocks of others on it, and
// some noise, or noise alone.
std::vector<std::uint8_t> RandomPicture(Draw& d, int w, int h) {
  std::vector<int> cells(static_cast<std::size_t>(w) * h, PictureIndex(d));
  const bool noise_only = d.Chance(15);
  for (int block = noise_only ? 0 : d.Uniform(0, 30); block > 0; --block) {
    const int index = PictureIndex(d);
    const int x0 = d.Uniform(0, w - 1), y0 = d.Uniform(0, h - 1);
    const int x1 = std::min(w, x0 + d.Uniform(1, w / 2)),
              y1 = std::min(h, y0 + d.Uniform(1, h / 2));
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        cells[static_cast<std::size_t>(y) * w + x] = index;
  }
  const int noise = noise_only ? 100 : d.Pick({0, 0, 1, 10});
  for (auto& c : cells) {
    if (d.Chance(noise)) c = PictureIndex(d);
  }
  return test::MakeBmp({.width = w, .height = h},
                       [&](int x, int y) { return cells[static_cast<std::size_t>(y) * w + x]; });
}

struct RunPlan {
  std::vector<std::string> args;
  int width, height, players;
  std::string type;
};

RunPlan DrawRun(Draw& d, const std::filesystem::path& folder) {
  RunPlan p;
  p.width = 32 + 16 * d.Between(0, 14);
  p.height = 32 + 16 * d.Between(0, 14);
  p.players = d.Between(1, 7);
  static constexpr const char* kTypes[] = {"gruenland", "oedland", "winterland"};
  p.type = d.Pick(kTypes);
  auto& a = p.args;
  a = {"generate", "--quiet",     "--seed",    std::to_string(d.Seed()),
       "--width",  Text(p.width), "--height",  Text(p.height),
       "--type",   p.type,        "--players", Text(p.players)};
  static constexpr const char* kTitleLetters[] = {"a", "Z", "0", " ", "-", "ä", "Ö", "ß", "é"};
  std::string title;
  for (int n = d.Uniform(1, 16); n > 0; --n)
    title += d.Pick(kTitleLetters);
  if (d.Chance(50)) a.insert(a.end(), {"--title", title});
  if (d.Chance(30)) a.push_back("--no-island");
  if (d.Chance(30)) a.push_back("--extended");
  if (d.Chance(30)) a.push_back("--area-variant");

  static constexpr const char* kShapes[] = {"",     "insel",        "insel-sym", "spirale",
                                            "ring", "spirale-ring", "spezial"};
  const std::string shape = d.Pick(kShapes);
  if (!shape.empty()) a.insert(a.end(), {"--shape", shape});
  if (shape == "spezial") {
    const auto picture = folder / "picture.bmp";
    test::WriteBytes(picture, RandomPicture(d, p.width, p.height));
    a.insert(a.end(), {"--picture", picture.string()});
  }
  if (d.Chance(60)) a.insert(a.end(), {"--coast", Text(d.Between(0, 10))});
  static constexpr int kClasses[] = {0, 1, 2, 3, 4, 5, 6, 7, 9};
  for (const char* option : {"--amount", "--size", "--decoration"}) {
    for (const int c : kClasses) {
      if (d.Chance(40)) a.insert(a.end(), {option, Text(c) + "=" + Text(d.Between(0, 10))});
    }
  }
  if (d.Chance(60)) {
    // Three cuts of 0..100 give four shares that add up to 100.
    int cut[] = {d.Between(0, 100), d.Between(0, 100), d.Between(0, 100)};
    std::sort(std::begin(cut), std::end(cut));
    a.insert(a.end(), {"--resources", Text(cut[0]) + "," + Text(cut[1] - cut[0]) + "," +
                                          Text(cut[2] - cut[1]) + "," + Text(100 - cut[2])});
  }
  if (d.Chance(60)) {
    a.insert(a.end(), {"--granite", Text(d.Between(0, 10)) + "," + Text(d.Between(0, 10)) + "," +
                                        Text(d.Between(0, 15)) + "," + Text(d.Between(0, 10))});
  }
  if (d.Chance(60)) a.insert(a.end(), {"--tree-groups", Text(d.Between(0, 15))});
  if (d.Chance(60)) {
    std::string levels;
    for (int k = 0; k < 6; ++k)
      levels += (k > 0 ? "," : "") + Text(d.Between(0, 20));
    a.insert(a.end(), {"--animals", levels});
  }
  a.insert(a.end(), {"--out", (folder / "map.swd").string()});
  return p;
}

using Outcome = test::CommandRun;
using test::RunSwdgen;

std::string CommandOf(const std::vector<std::string>& args) {
  std::string line = "swdgen";
  for (const auto& a : args)
    line += " '" + a + "'";
  return line;
}

class RandomSettings : public ::testing::TestWithParam<int> {};

TEST_P(RandomSettings, EveryRunWritesAMapThatInfoAccepts) {
  const auto start = std::chrono::steady_clock::now();
  long cells = 0;
  for (int i = 0; i < kRunsPerShard; ++i) {
    const int run = GetParam() * kRunsPerShard + i;
    test::TempDir dir;
    Draw d(BaseSeed() + static_cast<std::uint32_t>(run));
    const RunPlan plan = DrawRun(d, dir.path());
    const std::string what = "run " + Text(run) + ": " + CommandOf(plan.args);
    cells += static_cast<long>(plan.width) * plan.height;

    const Outcome made = RunSwdgen(plan.args);
    ASSERT_EQ(made.status, kExitOk) << what << "\n" << made.err;
    // "players P of N": the map holds the P players that found room.
    const std::string of = " of " + Text(plan.players) + "\n";
    const auto players_at = made.out.find("\nplayers ");
    ASSERT_NE(players_at, std::string::npos) << what << "\n" << made.out;
    const int placed = std::atoi(made.out.c_str() + players_at + 9);
    EXPECT_TRUE(placed >= 0 && placed <= plan.players) << what << "\n" << made.out;
    EXPECT_NE(made.out.find(of, players_at), std::string::npos) << what << "\n" << made.out;

    const Outcome info = RunSwdgen({"info", (dir.path() / "map.swd").string()});
    ASSERT_EQ(info.status, kExitOk) << what << "\n" << info.err;
    EXPECT_NE(info.out.find("size    " + Text(plan.width) + " x " + Text(plan.height) + "\n"),
              std::string::npos)
        << what << "\n"
        << info.out;
    EXPECT_NE(info.out.find("players " + Text(placed) + "\n"), std::string::npos) << what << "\n"
                                                                                  << info.out;
    EXPECT_EQ(info.out.find("hq " + Text(placed + 1)), std::string::npos) << what;
    if (placed > 0) {
      EXPECT_NE(info.out.find("hq " + Text(placed)), std::string::npos) << what;
    }
    // The preview bitmap has a border of two points round the map.
    const std::size_t stride = ((plan.width + 4) * 3 + 3) / 4 * 4;
    EXPECT_EQ(test::ReadFile(dir.path() / "map.bmp").size(), 54 + stride * (plan.height + 4))
        << what;
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("shard %d: %d runs, %ld map points, %.1f s\n", GetParam(), kRunsPerShard, cells,
              took.count());
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomSettings, ::testing::Range(0, kShards));

}  // namespace
}  // namespace swd::cli
