// `swdgen generate --count`: the names, the summary, the sheet, the bytes against single runs,
// Ctrl-C in the middle of a batch; and --timing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <regex>
#include <set>
#include <thread>

#include "cli/commands.hpp"
#include "cli/generate_options.hpp"
#include "mapfile/swd_format.hpp"
#include "support/in_process.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::ReadFile;
using test::RunSwdgen;
using test::TempDir;

std::string TextOf(const std::filesystem::path& file) {
  const auto bytes = ReadFile(file);
  return {bytes.begin(), bytes.end()};
}

std::set<std::string> NamesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

// Every match of the pattern's first group, in order.
std::vector<std::string> All(const std::string& text, const std::string& pattern) {
  std::vector<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
       ++it)
    found.push_back((*it)[1]);
  return found;
}

TEST(BatchOptions, CombinationsThatMakeNoSenseAreRefusedInOneLine) {
  const std::vector<std::pair<std::string, void (*)(GenerateArgs&)>> bad = {
      {"--jobs: only used with --count", [](GenerateArgs& a) { a.jobs = "2"; }},
      {"--analyze: only used with --count", [](GenerateArgs& a) { a.analyze = true; }},
      {"--csv: only used with --count", [](GenerateArgs& a) { a.csv = true; }},
      {"--sheet: only used with --count", [](GenerateArgs& a) { a.sheet = "s.html"; }},
      {"--best-of: cannot be combined with --count",
       [](GenerateArgs& a) {
         a.count = "3";
         a.best_of = "3";
       }},
      {"--dump-steps: cannot be combined with --count",
       [](GenerateArgs& a) {
         a.count = "3";
         a.dump_steps = "d";
       }},
      {"--timing: cannot be combined with --count",
       [](GenerateArgs& a) {
         a.count = "3";
         a.timing = true;
       }},
      {"--timing: cannot be combined with --best-of",
       [](GenerateArgs& a) {
         a.best_of = "3";
         a.timing = true;
       }},
      {"--png: with --count each picture",
       [](GenerateArgs& a) {
         a.count = "3";
         a.png = "a.png";
       }},
      {"--count: '1001' is not valid", [](GenerateArgs& a) { a.count = "1001"; }},
      {"--jobs: '0' is not valid",
       [](GenerateArgs& a) {
         a.count = "3";
         a.jobs = "0";
       }},
      {"--sheet: The folder /no/such does not exist.",
       [](GenerateArgs& a) {
         a.count = "3";
         a.sheet = "/no/such/s.html";
       }},
  };
  for (const auto& [error, change] : bad) {
    GenerateArgs a;
    change(a);
    const Checked c = CheckGenerateArgs(a);
    EXPECT_FALSE(c.request) << error;
    const std::string said = Say(c.error, Language::English);
    EXPECT_EQ(said.rfind(error, 0), 0u) << said;
    EXPECT_EQ(said.find('\n'), std::string::npos) << said;
  }

  GenerateArgs a;
  a.count = "3";
  a.sheet = "bogen";
  a.png = "";
  const Checked c = CheckGenerateArgs(a);
  ASSERT_TRUE(c.request) << c.error.German();
  EXPECT_EQ(*c.request->sheet, "bogen.html");
  EXPECT_TRUE(c.request->analyze);  // the sheet shows the fairness
  EXPECT_GE(c.request->jobs, 1);
}

TEST(Batch, NamesSeedsSummaryAndBytesAreThoseOfSingleRuns) {
  TempDir dir;
  const std::string size[] = {"--width", "32", "--height", "48"};
  std::vector<std::string> args = {"generate",
                                   "--count",
                                   "3",
                                   "--seed",
                                   "4294967295",
                                   "--jobs",
                                   "2",
                                   "--png",
                                   "--analyze",
                                   "--csv",
                                   "--quiet",
                                   "--out",
                                   (dir.path() / "b").string()};
  args.insert(args.end(), std::begin(size), std::end(size));
  const auto run = RunSwdgen(args);
  ASSERT_EQ(run.status, kExitOk) << run.err;

  // Past 4294967295 the seeds go on from 0; nothing else is left in the folder.
  const std::vector<std::string> seeds = {"4294967295", "0", "1"};
  std::set<std::string> expected = {"b.json", "b.csv"};
  for (const auto& seed : seeds) {
    for (const char* ext : {".swd", ".bmp", ".png"})
      expected.insert("b-" + seed + ext);
  }
  EXPECT_EQ(NamesIn(dir.path()), expected);
  EXPECT_EQ(All(run.out, "map \\S+/b-(\\d+)\\.swd seed"), seeds) << run.out;
  EXPECT_NE(run.out.find("\n3 of 3 maps written\n"), std::string::npos) << run.out;

  const std::string summary = TextOf(dir.path() / "b.json");
  EXPECT_NE(summary.find("\"format\": \"swdgen-batch\", \"version\": 1"), std::string::npos);
  EXPECT_NE(summary.find("\"count\": 3, \"written\": 3, \"complete\": true"), std::string::npos);
  EXPECT_EQ(All(summary, "\\{\"seed\": (\\d+)"), seeds);
  const auto placed = All(summary, "\"players_placed\": (\\d), \"players_requested\": 3");
  ASSERT_EQ(placed.size(), 3u) << summary;

  const auto csv_seeds = All(TextOf(dir.path() / "b.csv"), "\n(\\d+),b-");
  EXPECT_EQ(csv_seeds, seeds);

  for (std::size_t i = 0; i < seeds.size(); ++i) {
    const std::string name = "b-" + seeds[i];
    // The same seed alone makes the same bytes, and its picture is the same.
    std::vector<std::string> single = {
        "generate", "--seed", seeds[i], "--png", "--quiet", "--out", (dir.path() / "one").string()};
    single.insert(single.end(), std::begin(size), std::end(size));
    const auto alone = RunSwdgen(single);
    ASSERT_EQ(alone.status, kExitOk) << alone.err;
    EXPECT_NE(alone.out.find("players " + placed[i] + " of 3"), std::string::npos) << alone.out;
    for (const char* ext : {".swd", ".bmp", ".png"}) {
      EXPECT_EQ(ReadFile(dir.path() / (name + ext)),
                ReadFile(dir.path() / (std::string("one") + ext)))
          << name << ext;
    }
    // The summary holds what analyze says of the map file.
    const auto analysis = RunSwdgen({"analyze", "--json", (dir.path() / (name + ".swd")).string()});
    const auto fairness = All(analysis.out, "\n  (\"fairness\": [^\n]+)");
    ASSERT_EQ(fairness.size(), 1u) << analysis.out;
    EXPECT_NE(summary.find("\"map\": \"" + name + ".swd\""), std::string::npos);
    EXPECT_NE(summary.find(fairness[0]), std::string::npos) << fairness[0];
  }
}

TEST(Batch, TheSheetIsOneFileWithEscapedTextsAndRelativeLinks) {
  TempDir dir;
  std::filesystem::create_directories(dir.path() / "bogen");
  const auto run =
      RunSwdgen({"generate", "--count", "2", "--seed", "7", "--width", "64", "--height", "48",
                 "--players", "2", "--no-island", "--title", "A<b>&\"c'", "--quiet", "--out",
                 (dir.path() / "m").string(), "--sheet", (dir.path() / "bogen" / "s").string()});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::string html = TextOf(dir.path() / "bogen" / "s.html");
  EXPECT_NE(html.find("A&lt;b&gt;&amp;&quot;c&#39;"), std::string::npos);
  EXPECT_EQ(html.find("A<b>"), std::string::npos);
  EXPECT_EQ(html.find("://"), std::string::npos);  // nothing from elsewhere
  EXPECT_EQ(All(html, "<img src=\"data:image/png;base64,(iVBORw0KGgo)").size(), 2u);
  EXPECT_EQ(All(html, "href=\"(\\.\\./m-[78]\\.(swd|bmp))\"").size(), 4u) << html;
  EXPECT_EQ(All(html, "data-fairness=\"(0\\.\\d+|1)\"").size(), 2u);
  // --sheet analyses the maps for the summary too.
  EXPECT_EQ(All(TextOf(dir.path() / "m.json"), "\"(swdgen-analysis)\"").size(), 2u);
}

// Stops a batch of `count` maps of side `side` with `signal` once the first map is there,
// while others are in flight: the maps written stay whole, each with all its files, and the
// summary and sheet describe exactly them.
void StopBatchWith(int signal, int side, int count) {
  TempDir dir;
  const auto maps = dir.path() / "maps";
  std::filesystem::create_directories(maps);
  const std::string out_file = (dir.path() / "out.txt").string();
  const std::string err_file = (dir.path() / "err.txt").string();
  const std::string side_text = std::to_string(side);
  const std::string count_text = std::to_string(count);
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    execl(SWDGEN_BINARY, SWDGEN_BINARY, "generate", "--count", count_text.c_str(), "--seed", "1",
          "--jobs", "2", "--width", side_text.c_str(), "--height", side_text.c_str(), "--png",
          "--sheet", (maps / "s.html").c_str(), "--quiet", "--out", (maps / "k").c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  ASSERT_GT(pid, 0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (!std::filesystem::exists(maps / "k-1.swd") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  kill(pid, signal);
  int raw = 0;
  ASSERT_EQ(waitpid(pid, &raw, 0), pid);
  ASSERT_TRUE(WIFEXITED(raw)) << raw;
  EXPECT_EQ(WEXITSTATUS(raw), 128 + signal);

  std::set<std::string> seeds;
  for (const auto& name : NamesIn(maps)) {
    EXPECT_NE(name[0], '.') << "a temporary file is left: " << name;
    if (name.ends_with(".swd")) seeds.insert(name.substr(2, name.size() - 6));
  }
  ASSERT_FALSE(seeds.empty());
  EXPECT_LT(seeds.size(), static_cast<std::size_t>(count));
  std::set<std::string> expected = {"k.json", "s.html"};
  for (const auto& seed : seeds) {
    for (const char* ext : {".swd", ".bmp", ".png"})
      expected.insert("k-" + seed + ext);
    EXPECT_EQ(ReadFile(maps / ("k-" + seed + ".swd")).size(), SwdFileSize(side, side)) << seed;
  }
  EXPECT_EQ(NamesIn(maps), expected);

  const std::string summary = TextOf(maps / "k.json");
  const auto listed = All(summary, "\\{\"seed\": (\\d+)");
  EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), seeds);
  EXPECT_EQ(listed.size(), seeds.size());
  EXPECT_NE(summary.find("\"written\": " + std::to_string(seeds.size()) + ", \"complete\": false"),
            std::string::npos);
  EXPECT_EQ(All(TextOf(maps / "s.html"), "<figure (data)").size(), seeds.size());
  EXPECT_EQ(TextOf(err_file), "swdgen: interrupted, " + std::to_string(seeds.size()) + " of " +
                                  count_text + " maps written\n");
}

TEST(Batch, CtrlCLeavesOnlyCompleteMapsAndASummaryOfExactlyThem) {
  StopBatchWith(SIGINT, 256, 200);
}

// Scripts and service managers stop a command with SIGTERM: the batch ends as with Ctrl-C.
TEST(Batch, SigtermEndsTheBatchAsCtrlCDoesWithItsSummaryAndSheet) {
  StopBatchWith(SIGTERM, 64, 1000);
}

TEST(Generate, TimingListsEveryRowAndAPictureWithoutAFileGoesBesideTheMap) {
  TempDir dir;
  const auto run = RunSwdgen({"generate", "--seed", "1", "--width", "32", "--height", "32",
                              "--quiet", "--timing", "--png", "--out", (dir.path() / "t").string(),
                              "--dump-steps", (dir.path() / "trace").string()});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "t.png"));
  const auto rows = All(run.out, "\ntime ([ \\d]\\d [A-Za-z0-9]+) +\\d+\\.\\d{3} ms");
  ASSERT_EQ(rows.size(), 36u) << run.out;  // the rows the step trace lists
  EXPECT_EQ(rows.front(), " 1 BuildIsland");
  EXPECT_EQ(rows.back(), "39 PrepareHarbourPlaces");
  std::ifstream steps(dir.path() / "trace" / "steps.txt");
  std::size_t i = 0;
  for (std::string line; std::getline(steps, line); ++i) {
    ASSERT_LT(i, rows.size());
    const std::string row = rows[i].substr(rows[i][0] == ' ' ? 1 : 0);
    EXPECT_EQ(line.substr(line[0] == '0' ? 1 : 0).rfind(row + " draws=", 0), 0u) << line;
  }
  EXPECT_NE(run.out.find("\ntime    WriteMapFile "), std::string::npos);
  EXPECT_NE(run.out.find("\ntime    total "), std::string::npos);
}

}  // namespace
}  // namespace swd::cli
