// `generate --json`: one JSON object on stdout, for a single map, the fairest of several and a
// batch, whose values are those of the files written; errors stay on stderr.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/commands.hpp"
#include "support/child_process.hpp"
#include "support/in_process.hpp"
#include "support/json.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::Json;
using test::RunSwdgen;

// The analysis' fairness index of a map file; null for fewer than two starts.
Json FairnessOf(const std::string& map) {
  const auto analysis = test::ParseJson(RunSwdgen({"analyze", map, "--json"}).out);
  return analysis ? (*analysis)["fairness"]["index"] : Json{};
}

std::string CodeOf(const std::string& map) {
  const std::string info = RunSwdgen({"info", map}).out;
  const auto at = info.find("SWD1-", info.find("\ncode "));
  return at == std::string::npos ? "" : info.substr(at, info.find('\n', at) - at);
}

TEST(GenerateJson, OneMapIsOneObjectWithItsFilesSeedPlayersFairnessAndCode) {
  test::TempDir dir;
  const std::string out = (dir.path() / "a").string();
  const test::CommandRun run =
      RunSwdgen({"generate", "--width", "64", "--height", "64", "--players", "4", "--fair-starts",
                 "--seed", "2", "--png", "--json", "--quiet", "--out", out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.err, "");
  const auto json = test::ParseJson(run.out);
  ASSERT_TRUE(json) << run.out;
  const Json& j = *json;
  EXPECT_EQ(j["format"].string, "swdgen-generate");
  EXPECT_EQ(j["version"].number, 1);
  EXPECT_EQ(j["files"]["map"].string, out + ".swd");
  EXPECT_EQ(j["files"]["bitmap"].string, out + ".bmp");
  EXPECT_EQ(j["files"]["picture"].string, out + ".png");
  for (const char* file : {"map", "bitmap", "picture"})
    EXPECT_TRUE(std::filesystem::exists(j["files"][file].string)) << file;
  EXPECT_EQ(j["players_requested"].number, 4);
  EXPECT_GE(j["players_placed"].number, 1);
  EXPECT_EQ(j["code"].string, CodeOf(out + ".swd"));
  EXPECT_EQ(j["fairness"].kind, FairnessOf(out + ".swd").kind);
  if (!j["fairness"].is_null()) {
    EXPECT_NEAR(j["fairness"].number, FairnessOf(out + ".swd").number, 1e-4);
  }
  EXPECT_EQ(j["fairness_before"].kind, Json::Kind::Number);
  EXPECT_EQ(j["seed"].number, 2);

  // A seed drawn is the object's, and makes the same map again.
  const std::string drawn = (dir.path() / "d.swd").string();
  const std::string again = (dir.path() / "e.swd").string();
  const std::vector<std::string> small = {"generate", "--width", "32", "--height", "32", "--quiet"};
  auto first = small;
  first.insert(first.end(), {"--json", "--out", drawn});
  const auto drawn_json = test::ParseJson(RunSwdgen(first).out);
  ASSERT_TRUE(drawn_json);
  auto second = small;
  second.insert(second.end(),
                {"--out", again, "--seed",
                 std::to_string(static_cast<std::uint32_t>((*drawn_json)["seed"].number))});
  ASSERT_EQ(RunSwdgen(second).status, kExitOk);
  EXPECT_EQ(test::ReadFile(again), test::ReadFile(drawn));
}

TEST(GenerateJson, BestOfHoldsEveryCandidateAndTheChosenSeed) {
  test::TempDir dir;
  const std::string out = (dir.path() / "c.swd").string();
  const test::CommandRun run =
      RunSwdgen({"generate", "--best-of", "3", "--seed", "10", "--width", "48", "--height", "48",
                 "--json", "--quiet", "--out", out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const auto json = test::ParseJson(run.out);
  ASSERT_TRUE(json) << run.out;
  const Json& j = *json;
  ASSERT_EQ(j["candidates"].items.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(j["candidates"][i]["seed"].number, 10 + static_cast<double>(i));
  EXPECT_EQ(j["chosen_seed"].number, j["seed"].number);
  EXPECT_GE(j["seed"].number, 10);
  EXPECT_LE(j["seed"].number, 12);
  EXPECT_EQ(j["files"]["map"].string, out);
  EXPECT_TRUE(j["files"]["picture"].is_null());
}

TEST(GenerateJson, ABatchListsItsMapsAndReports) {
  test::TempDir dir;
  const std::string out = (dir.path() / "t").string();
  const test::CommandRun run =
      RunSwdgen({"generate", "--count", "3", "--seed", "7", "--jobs", "2", "--width", "32",
                 "--height", "32", "--analyze", "--csv", "--json", "--quiet", "--out", out});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const auto json = test::ParseJson(run.out);
  ASSERT_TRUE(json) << run.out;
  const Json& j = *json;
  EXPECT_EQ(j["format"].string, "swdgen-generate-batch");
  EXPECT_EQ(j["count"].number, 3);
  EXPECT_EQ(j["written"].number, 3);
  EXPECT_TRUE(j["complete"].boolean);
  ASSERT_EQ(j["reports"].items.size(), 2u);
  EXPECT_EQ(j["reports"][0].string, out + ".json");
  EXPECT_EQ(j["reports"][1].string, out + ".csv");
  ASSERT_EQ(j["maps"].items.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const Json& m = j["maps"][i];
    const std::string map = out + "-" + std::to_string(7 + i) + ".swd";
    EXPECT_EQ(m["seed"].number, 7 + static_cast<double>(i));
    EXPECT_EQ(m["files"]["map"].string, map);
    EXPECT_TRUE(std::filesystem::exists(map));
    EXPECT_EQ(m["code"].string, CodeOf(map));
    EXPECT_EQ(m["fairness"].kind, FairnessOf(map).kind);
  }
}

TEST(GenerateJson, ErrorsStayOnStderrWithTheirStatus) {
  const test::CommandRun bad = RunSwdgen({"generate", "--width", "33", "--json"});
  EXPECT_EQ(bad.status, kExitBadInput);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err, "");
  // The times would be lines among the JSON.
  const test::CommandRun timed = RunSwdgen({"generate", "--timing", "--json"});
  EXPECT_EQ(timed.status, kExitBadInput);
  EXPECT_EQ(timed.err, "swdgen: --timing: cannot be combined with --json\n");
}

}  // namespace
}  // namespace swd::cli
