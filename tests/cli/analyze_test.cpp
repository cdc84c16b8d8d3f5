// The command line's start objects, analysis and choice among candidates, run in-process.
#include <gtest/gtest.h>

#include <regex>

#include "cli/commands.hpp"
#include "mapfile/object_codes.hpp"
#include "mapfile/swd_map.hpp"
#include "model/grid.hpp"
#include "rules/start_positions.hpp"
#include "support/in_process.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::ReadFile;
using test::RunSwdgen;
using test::TempDir;

SwdMap Read(const std::filesystem::path& file) {
  SwdMapRead read = ReadSwdMap(ReadFile(file));
  EXPECT_TRUE(read.map) << read.problem;
  return read.map ? std::move(*read.map) : SwdMap{};
}

TEST(StartObjects, MarkEveryPlacedHeadquartersAndNothingElse) {
  TempDir dir;
  const std::vector<std::string> run = {"generate", "--seed", "8",         "--width", "96",
                                        "--height", "64",     "--players", "5",       "--quiet"};
  auto plain = run;
  plain.insert(plain.end(), {"--no-start-objects", "--out", (dir.path() / "plain.swd").string()});
  auto marked = run;  // the objects are written by default
  marked.insert(marked.end(), {"--out", (dir.path() / "marked.swd").string()});
  auto asked = run;
  asked.insert(asked.end(), {"--start-objects", "--out", (dir.path() / "asked.swd").string()});
  ASSERT_EQ(RunSwdgen(plain).status, kExitOk);
  ASSERT_EQ(RunSwdgen(marked).status, kExitOk);
  ASSERT_EQ(RunSwdgen(asked).status, kExitOk);
  EXPECT_EQ(ReadFile(dir.path() / "marked.swd"), ReadFile(dir.path() / "asked.swd"));

  const SwdMap a = Read(dir.path() / "plain.swd");
  const SwdMap b = Read(dir.path() / "marked.swd");
  EXPECT_EQ(ReadFile(dir.path() / "plain.bmp"), ReadFile(dir.path() / "marked.bmp"));
  EXPECT_FALSE(FindStartPositions(a).from_objects);
  ASSERT_GE(b.header.player_count, 2);
  int changed = 0;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    for (int y = 0; y < b.Height(); ++y) {
      for (int x = 0; x < b.Width(); ++x)
        changed += a.At(layer, x, y) != b.At(layer, x, y) ? 1 : 0;
    }
  }
  for (int p = 1; p <= b.header.player_count; ++p) {
    const int x = *b.header.hq_x[p];
    const int y = *b.header.hq_y[p];
    EXPECT_EQ(b.At(ObjectTypeLayer, x, y), kStartPositionObject) << p;
    EXPECT_EQ(b.At(ObjectIndexLayer, x, y), p - 1) << p;
    EXPECT_EQ(a.At(ObjectTypeLayer, x, y), 0) << p;  // the headquarters' site was empty
    EXPECT_EQ(a.At(ObjectIndexLayer, x, y), 0) << p;
  }
  // Player 1's index is 0 as before: one byte for it, two for each other player.
  EXPECT_EQ(changed, 2 * b.header.player_count - 1);
  EXPECT_EQ(a.header.player_count, b.header.player_count);
}

TEST(Analyze, ReportsAnyMapAsTableOrJsonAndRefusesABadRadius) {
  TempDir dir;
  const auto map = (dir.path() / "a.swd").string();
  ASSERT_EQ(RunSwdgen({"generate", "--seed", "3", "--width", "64", "--height", "64", "--quiet",
                       "--start-objects", "--out", map})
                .status,
            kExitOk);
  const auto table = RunSwdgen({"analyze", map});
  ASSERT_EQ(table.status, kExitOk) << table.err;
  EXPECT_NE(table.out.find("from the start-position objects"), std::string::npos) << table.out;
  EXPECT_NE(table.out.find("large sites"), std::string::npos);
  EXPECT_TRUE(std::regex_search(table.out, std::regex("\nfairness   (0\\.\\d+|1) "))) << table.out;
  EXPECT_NE(table.out.find("player 1 reachable"), std::string::npos) << table.out;

  const auto json = RunSwdgen({"analyze", map, "--json", "--radius", "10"});
  ASSERT_EQ(json.status, kExitOk) << json.err;
  EXPECT_EQ(json.out.rfind("{\n  \"format\": \"swdgen-analysis\", \"version\": 2,", 0), 0u);
  EXPECT_NE(json.out.find("\"radius\": 10,"), std::string::npos);
  EXPECT_NE(json.out.find("\"starts_from\": \"objects\""), std::string::npos);
  EXPECT_TRUE(
      std::regex_search(json.out, std::regex("\"fairness\": \\{\"index\": [01](\\.\\d+)?, ")))
      << json.out;
  EXPECT_TRUE(std::regex_search(json.out, std::regex("\"reach\": \"walk\""))) << json.out;
  EXPECT_NE(json.out.find("\"harbours\": ["), std::string::npos);

  for (const char* bad : {"0", "257", "2x", ""}) {
    const auto refused = RunSwdgen({"analyze", map, "--radius", bad});
    EXPECT_EQ(refused.status, kExitBadInput) << bad;
    EXPECT_EQ(refused.err.rfind("swdgen: --radius: '" + std::string(bad) + "' is not valid", 0), 0u)
        << refused.err;
    EXPECT_EQ(refused.err.find('\n'), refused.err.size() - 1) << refused.err;
  }
  const auto missing = RunSwdgen({"analyze", (dir.path() / "fehlt.swd").string()});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_TRUE(missing.out.empty());

  // One player: no fairness to tell.
  const auto single = (dir.path() / "one.swd").string();
  ASSERT_EQ(RunSwdgen({"generate", "--seed", "3", "--width", "64", "--height", "64", "--quiet",
                       "--players", "1", "--out", single})
                .status,
            kExitOk);
  EXPECT_NE(RunSwdgen({"analyze", single, "--json"}).out.find("\"fairness\": null"),
            std::string::npos);
  EXPECT_NE(RunSwdgen({"analyze", single}).out.find("fairness   none"), std::string::npos);
}

TEST(BestOf, WritesOnlyTheChosenCandidateWhichItsSeedMakesAgain) {
  TempDir dir;
  const std::vector<std::string> settings = {"--width",   "64", "--height", "64",
                                             "--players", "4",  "--quiet",  "--start-objects"};
  auto best_of = settings;
  best_of.insert(best_of.begin(), {"generate", "--best-of", "5", "--seed", "40"});
  best_of.insert(best_of.end(), {"--out", (dir.path() / "best.swd").string()});
  const auto run = RunSwdgen(best_of);
  ASSERT_EQ(run.status, kExitOk) << run.err;

  // "candidate seed S players P of 4 fairness F" for S = 40..44, then the choice.
  const std::regex line("candidate seed (\\d+) players (\\d) of 4 fairness (none|[0-9.]+)\n");
  std::vector<std::tuple<int, double, int>> candidates;  // players, fairness, seed
  for (auto it = std::sregex_iterator(run.out.begin(), run.out.end(), line);
       it != std::sregex_iterator(); ++it) {
    const auto& m = *it;
    candidates.emplace_back(std::stoi(m[2]), m[3] == "none" ? -1 : std::stod(m[3]),
                            std::stoi(m[1]));
    EXPECT_EQ(std::stoi(m[1]), 40 + static_cast<int>(candidates.size()) - 1);
  }
  ASSERT_EQ(candidates.size(), 5u) << run.out;
  std::smatch chosen;
  ASSERT_TRUE(std::regex_search(run.out, chosen, std::regex("\nchosen seed (\\d+)\nmap ")))
      << run.out;
  const std::string seed = chosen[1];
  // The most players, then the fairest; the earliest of equals.
  auto best = candidates.front();
  for (const auto& c : candidates) {
    if (std::get<0>(c) > std::get<0>(best) ||
        (std::get<0>(c) == std::get<0>(best) && std::get<1>(c) > std::get<1>(best))) {
      best = c;
    }
  }
  EXPECT_EQ(std::stoi(seed), std::get<2>(best)) << run.out;

  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"best.bmp", "best.swd"}));

  auto again = settings;
  again.insert(again.begin(), {"generate", "--seed", seed});
  again.insert(again.end(), {"--out", (dir.path() / "again.swd").string()});
  ASSERT_EQ(RunSwdgen(again).status, kExitOk);
  EXPECT_EQ(ReadFile(dir.path() / "again.swd"), ReadFile(dir.path() / "best.swd"));
  EXPECT_EQ(ReadFile(dir.path() / "again.bmp"), ReadFile(dir.path() / "best.bmp"));

  const auto traced = RunSwdgen({"generate", "--best-of", "2", "--dump-steps", "d"});
  EXPECT_EQ(traced.status, kExitBadInput);
  EXPECT_EQ(traced.err, "swdgen: --dump-steps: cannot be combined with --best-of\n");
  EXPECT_EQ(RunSwdgen({"generate", "--best-of", "1001"}).status, kExitBadInput);
}

}  // namespace
}  // namespace swd::cli
