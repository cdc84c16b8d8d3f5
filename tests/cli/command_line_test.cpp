// The command line run in-process, as `swdgen ARGS` would run it, on the inputs a careless
// user or an unlucky machine gives it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "cli/command_line.hpp"
#include "cli/commands.hpp"
#include "cli/generate_run.hpp"
#include "mapfile/swd_format.hpp"
#include "shape/bmp_maker.hpp"
#include "support/child_process.hpp"
#include "support/in_process.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::ReadFile;
using test::RunInChild;
using test::TempDir;

using Outcome = test::CommandRun;
using test::RunSwdgen;

// The child's own exit status and its error line, for checks as another user.
int ReportedBy(const Outcome& run, std::ostream& out) {
  out << run.err;
  return run.status;
}

TEST(CommandLine, VersionAndInternalErrorsHaveTheirOwnStatus) {
  const Outcome version = RunSwdgen({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out, "swdgen " SWDGEN_VERSION "\n");

  std::ostringstream err;
  EXPECT_EQ(ReportInternalErrors([] { return 3; }, err), 3);
  EXPECT_EQ(ReportInternalErrors([]() -> int { throw std::runtime_error("kaputt"); }, err),
            kExitInternalError);
  EXPECT_EQ(ReportInternalErrors([]() -> int { throw 7; }, err), kExitInternalError);
  EXPECT_EQ(err.str(),
            "swdgen: internal error: kaputt\nswdgen: internal error: unknown exception\n");
}

TEST(Info, ReadsOnlyRegularFilesNoLargerThanAMap) {
  TempDir dir;
  const auto map = dir.path() / "a.swd";
  ASSERT_EQ(RunSwdgen({"generate", "--seed", "1", "--width", "32", "--height", "32", "--quiet",
                       "--out", map.string()})
                .status,
            kExitOk);
  auto bytes = ReadFile(map);
  bytes.resize(bytes.size() + 10);
  test::WriteBytes(dir.path() / "long.swd", bytes);
  const auto huge = dir.path() / "huge.swd";
  std::ofstream(huge).close();
  std::filesystem::resize_file(huge, 64u << 20);

  const std::pair<std::filesystem::path, std::string> refused[] = {
      {dir.path(), "Das ist keine gewöhnliche Datei, sondern ein Ordner oder ein Gerät."},
      {"/dev/zero", "Das ist keine gewöhnliche Datei, sondern ein Ordner oder ein Gerät."},
      {huge, "Die Datei ist größer als jede Karte (höchstens 920081 Bytes)."},
      {dir.path() / "long.swd",
       "Die Karte ist beschädigt: Die Datei ist 16923 Bytes groß, erwartet sind 16913."},
      {dir.path() / "none.swd", "Die Datei gibt es nicht."},
  };
  for (const auto& [file, problem] : refused) {
    const Outcome r = RunSwdgen({"--lang", "de", "info", file.string()});
    EXPECT_EQ(r.status, kExitBadInput) << file;
    EXPECT_EQ(r.err, "swdgen: " + file.string() + ": " + problem + "\n");
  }

  // Sound in structure, but with a terrain code the game does not know.
  auto strange = ReadFile(map);
  strange[kSwdHeaderSize + 2 * (kSwdBlockHeaderSize + 32 * 32) + kSwdBlockHeaderSize + 3] = 40;
  test::WriteBytes(dir.path() / "strange.swd", strange);
  const Outcome unknown =
      RunSwdgen({"--lang", "de", "info", (dir.path() / "strange.swd").string()});
  EXPECT_EQ(unknown.status, kExitBadInput);
  EXPECT_NE(unknown.err.find(": 1 Dreieck hat einen Geländecode, den das Spiel nicht kennt "
                             "(zuerst 40 bei 3, 0); das Spiel lädt diese Karte nicht."),
            std::string::npos)
      << unknown.err;

  std::filesystem::permissions(map, std::filesystem::perms::none);
  const test::ChildResult locked = RunInChild([&](std::ostream& out) {
    return ReportedBy(RunSwdgen({"--lang", "de", "info", map.string()}), out);
  });
  EXPECT_EQ(locked.status, kExitBadInput);
  EXPECT_EQ(locked.output, "swdgen: " + map.string() +
                               ": Die Datei lässt sich nicht lesen: keine Leseberechtigung.\n");
}

TEST(Generate, AFolderThatCannotBeEnteredOrIsGoneIsNamed) {
  TempDir dir;
  const auto closed = dir.path() / "closed";
  std::filesystem::create_directories(closed / "sub");
  std::filesystem::permissions(closed, std::filesystem::perms::none);
  const test::ChildResult entered = RunInChild([&](std::ostream& out) {
    return ReportedBy(RunSwdgen({"--lang", "de", "generate", "--quiet", "--out",
                                 (closed / "sub" / "a.swd").string()}),
                      out);
  });
  std::filesystem::permissions(closed, std::filesystem::perms::owner_all);
  EXPECT_EQ(entered.status, kExitBadInput);
  EXPECT_EQ(entered.output, "swdgen: --out: Der Ordner " + (closed / "sub").string() +
                                " lässt sich nicht öffnen: keine Berechtigung.\n");

  // Without --out the map goes into the current folder, here one removed under the run.
  const test::ChildResult gone = RunInChild([&](std::ostream& out) {
    char folder[] = "/tmp/swdgen-gone-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0 || rmdir(folder) != 0) return 99;
    return ReportedBy(RunSwdgen({"--lang", "de", "generate", "--seed", "1", "--width", "32",
                                 "--height", "32", "--quiet"}),
                      out);
  });
  EXPECT_EQ(gone.status, kExitWriteFailed);
  EXPECT_NE(gone.output.find("nicht gespeichert werden: der Ordner existiert nicht.\n"),
            std::string::npos)
      << gone.output;
}

TEST(Generate, AFailedStepTraceIsToldApartFromTheMapItDidWrite) {
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  // A trace folder its user may not write into.
  const auto closed = dir.path() / "trace";
  std::filesystem::create_directory(closed);
  std::filesystem::permissions(
      closed, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                  std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                  std::filesystem::perms::others_exec);
  std::string out;
  const test::ChildResult r = RunInChild([&](std::ostream& err) {
    const Outcome run =
        RunSwdgen({"generate", "--seed", "1", "--width", "32", "--height", "32", "--quiet", "--out",
                   (dir.path() / "a.swd").string(), "--dump-steps", closed.string()});
    err << run.out << "|" << run.err;
    return run.status;
  });
  EXPECT_EQ(r.status, kExitByProductFailed);
  EXPECT_EQ(r.output.rfind("map " + (dir.path() / "a.swd").string() + "\n", 0), 0u) << r.output;
  EXPECT_NE(
      r.output.find("|swdgen: --dump-steps: The file 01-BuildIsland.bin could not be saved in "
                    "the folder " +
                    closed.string() + ": no permission to write.\n"),
      std::string::npos)
      << r.output;
  EXPECT_EQ(ReadFile(dir.path() / "a.swd").size(), 16913u);
}

// Ctrl-C while the files are saved: the save stops before it replaces anything, the command
// says so with exit status 130, and the map there before stays.
TEST(Generate, CtrlCWhileSavingStopsBeforeAnyFileIsReplaced) {
  class CtrlCWhileSaving : public CliHost {
   public:
    using CliHost::CliHost;
    Message WriteFiles(const std::vector<FileContent>& files) override {
      std::raise(SIGINT);
      return CliHost::WriteFiles(files);
    }
  };
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  const auto map = dir.path() / "m.swd";
  test::WriteBytes(map, {1, 2, 3});
  std::filesystem::permissions(map, std::filesystem::perms::all);
  GenerateArgs args;
  args.settings["width"] = args.settings["height"] = {"32"};
  args.out = map.string();
  args.png = "";
  const Checked checked = CheckGenerateArgs(args);
  ASSERT_TRUE(checked.request) << checked.error.German();
  const test::ChildResult run = RunInChild([&](std::ostream& out) {
    InstallInterruptHandler();
    CtrlCWhileSaving host(HostOptionsFor(*checked.request));
    const RunOutcome outcome = GenerateOnce(host, checked.request->settings, 1);
    std::ostringstream ignored;
    return ReportOutcome(outcome, host.save_problem(), *checked.request, ignored, out);
  });
  EXPECT_EQ(run.status, kExitInterrupted);
  EXPECT_EQ(run.output, "swdgen: interrupted, nothing written\n");
  EXPECT_EQ(ReadFile(map), (std::vector<std::uint8_t>{1, 2, 3}));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"m.swd"});
}

// --out, --png and render's -o that name a folder write into it, under the name the file
// would have had.
TEST(Generate, AnOutputThatNamesAFolderWritesIntoIt) {
  TempDir dir;
  const auto maps = dir.path() / "maps";
  const auto pictures = dir.path() / "pictures";
  std::filesystem::create_directories(maps);
  std::filesystem::create_directories(pictures);
  const Outcome into = RunSwdgen({"generate", "--seed", "4", "--width", "32", "--height", "32",
                                  "--quiet", "--out", maps.string(), "--png", pictures.string()});
  ASSERT_EQ(into.status, kExitOk) << into.err;
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(maps))
    written.push_back(entry.path().filename().string());
  ASSERT_EQ(written.size(), 2u);
  const std::string name = std::filesystem::path(written.front()).stem().string();
  EXPECT_TRUE(std::filesystem::exists(maps / (name + ".swd")));
  EXPECT_TRUE(std::filesystem::exists(maps / (name + ".bmp")));
  EXPECT_TRUE(std::filesystem::exists(pictures / (name + ".png")));
  EXPECT_NE(into.out.find("map " + (maps / (name + ".swd")).string()), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "maps.swd"));

  const Outcome slash = RunSwdgen({"generate", "--seed", "4", "--width", "32", "--height", "32",
                                   "--quiet", "--out", (dir.path() / "new").string() + "/"});
  EXPECT_EQ(slash.status, kExitBadInput);
  std::filesystem::create_directories(dir.path() / "new");
  EXPECT_EQ(RunSwdgen({"generate", "--seed", "4", "--width", "32", "--height", "32", "--quiet",
                       "--out", (dir.path() / "new").string() + "/"})
                .status,
            kExitOk);
  EXPECT_EQ(ReadFile(dir.path() / "new" / (name + ".swd")), ReadFile(maps / (name + ".swd")));

  ASSERT_EQ(RunSwdgen({"render", (maps / (name + ".swd")).string(), "--scale", "2", "-o",
                       dir.path().string()})
                .status,
            kExitOk);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / (name + ".png")));
}

}  // namespace
}  // namespace swd::cli
