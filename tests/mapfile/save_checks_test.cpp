#include <gtest/gtest.h>

#include <memory>

#include "mapfile/cp437.hpp"
#include "mapfile/mapfile_steps.hpp"
#include "mapfile/save_names.hpp"
#include "run/run.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::ReadFile;
using test::RecordingHost;
using test::TempDir;

TEST(SaveNames, FileNamesAreShortPlainNames) {
  for (const char* good : {"a", "Karte007", "my-map_1", "ABCDEFGH"}) {
    EXPECT_EQ(CheckMapName(good).German(), "") << good;
  }
  for (const char* bad : {"", "ABCDEFGHI", "../x", "a/b", "a b", "a.swd", "Käse", "a\\b", ".."}) {
    EXPECT_NE(CheckMapName(bad).German(), "") << bad;
  }
  // Windows' device names, in any case; names that only begin like one are names.
  for (const char* device : {"CON", "con", "Nul", "PRN", "AUX", "COM1", "com9", "LPT1", "lpt0"}) {
    EXPECT_EQ(CheckMapName(device).key(), MessageKey::NameReserved) << device;
  }
  for (const char* good : {"CONA", "Console", "COM", "COM10", "LPT", "NULL", "AUX-1", "PRN_"}) {
    EXPECT_EQ(CheckMapName(good).German(), "") << good;
  }
  EXPECT_EQ(ProposedMapName(7), "Karte007");
  EXPECT_EQ(ProposedMapName(999), "Karte999");
  EXPECT_EQ(ProposedMapName(0), "Karte000");
}

TEST(SaveNames, TitlesAreOneToSixteenCodePage437Characters) {
  EXPECT_EQ(CheckMapTitle("Phantasia-Zufall").German(), "");
  EXPECT_EQ(CheckMapTitle("Übermäßig größer").German(), "");  // 16 characters, 20 bytes of UTF-8
  EXPECT_NE(CheckMapTitle("").German(), "");
  EXPECT_NE(CheckMapTitle("Siebzehn Zeichen!").German(), "");
  EXPECT_NE(CheckMapTitle("Euro €").German(), "");
  EXPECT_NE(CheckMapTitle("Tab\there").German(), "");
  EXPECT_NE(CheckMapTitle("\xC3").German(), "");  // broken UTF-8
}

TEST(Cp437, RoundTripsGermanLettersAndRefusesTheRest) {
  const auto bytes = Utf8ToCp437("ÄÖÜäöüß az");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "\x8E\x99\x9A\x84\x94\x81\xE1 az");
  EXPECT_EQ(Cp437ToUtf8(*bytes), "ÄÖÜäöüß az");
  EXPECT_FALSE(Utf8ToCp437("€"));
  EXPECT_FALSE(Utf8ToCp437("\xFF"));
}

struct SaveRun {
  std::unique_ptr<Generator> g;
  WriteResult result;
};

SaveRun Save(RecordingHost& host) {
  SaveRun r{std::make_unique<Generator>(host), {}};
  r.g->settings.MapWidth = r.g->settings.MapHeight = 32;
  PrepareGeneration(*r.g);
  r.g->run.MapWidth = r.g->run.MapHeight = 32;
  r.result = WriteMapFile(*r.g);
  return r;
}

TEST(WriteMapFile, AsksAgainUntilNameTitleAndFolderAreUsable) {
  TempDir dir;
  RecordingHost host(dir.path(), "gut", "Gut");
  host.answers = {SaveTarget{dir.path(), "../böse", "T"}, SaveTarget{dir.path(), "ok", ""},
                  SaveTarget{dir.path() / "fehlt", "ok", "T"}};
  const SaveRun r = Save(host);
  ASSERT_TRUE(r.result.written);
  ASSERT_EQ(host.problems.size(), 4u);
  EXPECT_EQ(host.problems[0], "");
  for (int i = 1; i < 4; ++i)
    EXPECT_NE(host.problems[i], "") << i;
  EXPECT_EQ(r.result.map_path, dir.path() / "gut.swd");
  EXPECT_EQ(ReadFile(dir.path() / "gut.swd").size(), 16913u);
  EXPECT_EQ(ReadFile(dir.path() / "gut.bmp").size(), 54u + 36 * 36 * 3);
  EXPECT_EQ(host.statuses.back(), "Fertig !!!");
  EXPECT_EQ(host.proposals[0].name.substr(0, 5), "Karte");
  EXPECT_EQ(host.proposals[0].title, "Phantasia-Zufall");
}

TEST(WriteMapFile, CancellingTheDialogWritesNothingAndLeavesTheEndToTheRun) {
  TempDir dir;
  RecordingHost host(dir.path());
  host.answers = {std::nullopt};
  const SaveRun r = Save(host);
  EXPECT_FALSE(r.result.written);
  EXPECT_EQ(host.runs_ended, 0);  // RunGeneration ends the run, once (RunCancel tests)
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace swd
