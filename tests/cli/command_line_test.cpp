// The command line run in-process, as `swdgen ARGS` would run it, on the inputs a careless
// user or an unlucky machine gives it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "cli/command_line.hpp"
#include "cli/commands.hpp"
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
            "swdgen: interner Fehler: kaputt\nswdgen: interner Fehler: unbekannte Ausnahme\n");
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
      {dir.path() / "long.swd", "Die Datei ist 16923 Bytes groß, erwartet sind 16913."},
      {dir.path() / "none.swd", "Die Datei gibt es nicht."},
  };
  for (const auto& [file, problem] : refused) {
    const Outcome r = RunSwdgen({"info", file.string()});
    EXPECT_EQ(r.status, kExitBadInput) << file;
    EXPECT_EQ(r.err, "swdgen: " + file.string() + ": " + problem + "\n");
  }

  // Sound in structure, but with a terrain code the game does not know.
  auto strange = ReadFile(map);
  strange[kSwdHeaderSize + 2 * (kSwdBlockHeaderSize + 32 * 32) + kSwdBlockHeaderSize + 3] = 40;
  test::WriteBytes(dir.path() / "strange.swd", strange);
  const Outcome unknown = RunSwdgen({"info", (dir.path() / "strange.swd").string()});
  EXPECT_EQ(unknown.status, kExitBadInput);
  EXPECT_NE(unknown.err.find(": 1 Dreieck hat einen Geländecode, den das Spiel nicht kennt "
                             "(zuerst 40 bei 3, 0); das Spiel lädt diese Karte nicht."),
            std::string::npos)
      << unknown.err;

  std::filesystem::permissions(map, std::filesystem::perms::none);
  const test::ChildResult locked = RunInChild([&](std::ostream& out) {
    return ReportedBy(RunSwdgen({"info", map.string()}), out);
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
    return ReportedBy(
        RunSwdgen({"generate", "--quiet", "--out", (closed / "sub" / "a.swd").string()}), out);
  });
  std::filesystem::permissions(closed, std::filesystem::perms::owner_all);
  EXPECT_EQ(entered.status, kExitBadInput);
  EXPECT_EQ(entered.output, "swdgen: --out: the folder '" + (closed / "sub").string() +
                                "' cannot be used: Permission denied\n");

  // Without --out the map goes into the current folder, here one removed under the run.
  const test::ChildResult gone = RunInChild([&](std::ostream& out) {
    char folder[] = "/tmp/swdgen-gone-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0 || rmdir(folder) != 0) return 99;
    return ReportedBy(
        RunSwdgen({"generate", "--seed", "1", "--width", "32", "--height", "32", "--quiet"}), out);
  });
  EXPECT_EQ(gone.status, kExitWriteFailed);
  EXPECT_NE(gone.output.find("nicht gespeichert werden: der Ordner existiert nicht.\n"),
            std::string::npos)
      << gone.output;
}

TEST(Generate, AFailedStepTraceIsToldApartFromTheMapItDidWrite) {
  TempDir dir;
  const auto blocker = dir.path() / "trace";
  std::ofstream(blocker) << "a file where the trace folder would go";
  const Outcome r =
      RunSwdgen({"generate", "--seed", "1", "--width", "32", "--height", "32", "--quiet", "--out",
                 (dir.path() / "a.swd").string(), "--dump-steps", blocker.string()});
  EXPECT_EQ(r.status, kExitByProductFailed);
  EXPECT_EQ(r.out.rfind("map " + (dir.path() / "a.swd").string() + "\n", 0), 0u) << r.out;
  EXPECT_EQ(r.err, "swdgen: --dump-steps: Die Datei 01-BuildIsland.bin konnte im Ordner " +
                       blocker.string() +
                       " nicht gespeichert werden: der Ordner existiert nicht.\n");
  EXPECT_EQ(ReadFile(dir.path() / "a.swd").size(), 16913u);
}

}  // namespace
}  // namespace swd::cli
