#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>

#include "cli/generate_options.hpp"
#include "regions/region_walk.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::RecordingHost;
using test::TempDir;

TEST(RegionOptions, AmountSizeAndAreaVariantReachTheRegionAmounts) {
  GenerateArgs a;
  a.settings["amount"] = {"7=10"};
  a.settings["size"] = {"7=0"};
  a.settings["area_variant"] = {"1"};
  const Checked c = CheckGenerateArgs(a);
  ASSERT_TRUE(c.request) << c.error.German();
  RecordingHost host;
  auto g = std::make_unique<Generator>(host);
  static_cast<GeneratorSettings&>(g->run) = c.request->settings;  // as the run copies them
  g->amounts.RegionCountBase[7] = 2;
  g->amounts.RegionMinSizeBase[7] = 96;
  g->amounts.RegionMaxSizeBase[7] = 256;
  RegionAmounts(*g, 7);
  EXPECT_EQ(g->amounts.RegionCount[7], 10.0f);  // Int(0.5 + 4.77 * 2)
  EXPECT_EQ(g->amounts.RegionMinSize[7], 20.0f);
  EXPECT_EQ(g->amounts.RegionMaxSize[7], 54.0f);
  EXPECT_EQ(g->rng.Draws(), 0u);  // per-region sizes: no count is drawn
}

// Random draws recorded after each step row of a traced run.
std::map<std::string, long> DrawsByRow(const std::string& options, const TempDir& dir) {
  const std::string command = "cd '" + dir.path().string() +
                              "' && '" SWDGEN_BINARY
                              "' generate --quiet --seed 1 --width 64 --height 64 --out a.swd "
                              "--dump-steps trace " +
                              options + " >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << options;
  std::map<std::string, long> draws;
  std::ifstream steps(dir.path() / "trace" / "steps.txt");
  for (std::string row, name, field; steps >> row >> name >> field;)
    draws[row] = std::stol(field.substr(field.find('=') + 1));
  std::filesystem::remove_all(dir.path() / "trace");
  return draws;
}

TEST(RegionOptions, TheRunUsesTheRegionSlidersOfTheCommandLine) {
  TempDir dir;
  const auto plain = DrawsByRow("", dir);
  ASSERT_EQ(plain.count("05"), 1u);
  // Other forest counts or sizes: other draws in the climate row.
  for (const char* options : {"--amount 2=10", "--amount 2=10 --size 2=0"}) {
    const auto changed = DrawsByRow(options, dir);
    EXPECT_NE(changed.at("05") - changed.at("04"), plain.at("05") - plain.at("04")) << options;
  }
  // Per-region amounts: at least two lakes, so the lake row draws something.
  const auto area = DrawsByRow("--area-variant", dir);
  EXPECT_GT(area.at("04") - area.at("02"), 0);
}

}  // namespace
}  // namespace swd::cli
