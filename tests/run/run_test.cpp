#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "run/run.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::ReadFile;
using test::RecordingHost;
using test::TempDir;

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i)
    v.push_back(i);
  return v;
}

std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> v;
  for (const auto& p : parts)
    v.insert(v.end(), p.begin(), p.end());
  return v;
}

struct TestRun {
  RecordingHost host;
  std::unique_ptr<Generator> g;
  RunOutcome outcome;

  TestRun(const TempDir& dir, std::string name, void (*configure)(GeneratorSettings&),
          int cancel_after = -1, std::uint32_t seed = 1)
      : host(dir.path(), std::move(name)), g(std::make_unique<Generator>(host)) {
    host.cancel_after = cancel_after;
    g->settings.MapWidth = g->settings.MapHeight = 32;
    if (configure) configure(g->settings);
    PrepareGeneration(*g);
    g->rng.Seed(seed);
    outcome = RunGeneration(*g);
  }
};

TEST(RunRows, ThePlainIslandRunsEveryRowButTheSpecialOnes) {
  TempDir dir;
  TestRun r(dir, "plain", nullptr);
  EXPECT_EQ(r.outcome.status, RunOutcome::Status::Written);
  EXPECT_EQ(r.host.rows, Concat({{1, 2}, Range(4, 5), Range(7, 37), {39}}));
  EXPECT_EQ(r.host.names.front(), "BuildIsland");
  EXPECT_EQ(r.host.names[1], "FrayIslandEdges");
  EXPECT_EQ(r.host.names[14], "DecorateSteppe");
  EXPECT_EQ(r.host.names[31], "SmoothCorners1");
  EXPECT_EQ(r.host.runs_ended, 1);
  ASSERT_GE(r.host.hints.size(), 3u);
  EXPECT_EQ(r.host.hints[0], GermanText(HintText(1)));
  EXPECT_EQ(r.host.hints[1], GermanText(HintText(2)));
  EXPECT_EQ(r.host.hints.back(), GermanText(HintText(3)));
  EXPECT_EQ(ReadFile(dir.path() / "plain.swd").size(), 16913u);
}

TEST(RunRows, ShapesTypesAndTheIslandBoxChooseTheRows) {
  TempDir dir;
  TestRun no_island(dir, "a", [](GeneratorSettings& s) { s.CheckInsel = false; });
  EXPECT_EQ(no_island.host.rows, Concat({{1}, Range(4, 5), Range(7, 37), {39}}));

  TestRun spiral(dir, "b", [](GeneratorSettings& s) {
    s.CheckErwEinst = true;
    s.land_shape = LandShape::Spiral;
  });
  EXPECT_EQ(spiral.host.names.front(), "BuildShapedBase");
  EXPECT_EQ(spiral.host.rows, Concat({{1, 5}, Range(7, 37), {39}}));

  // Shape choices without "Erweiterte Einstellungen" do not count.
  TestRun unticked(dir, "c", [](GeneratorSettings& s) { s.land_shape = LandShape::Spiral; });
  EXPECT_EQ(unticked.host.names.front(), "BuildIsland");

  TestRun winter(dir, "d", [](GeneratorSettings& s) { s.LandscapeType = Winterland; });
  EXPECT_EQ(winter.host.rows,
            Concat({{1, 2}, Range(4, 5), Range(7, 16), {20}, Range(22, 35), {39}}));
  EXPECT_EQ(winter.host.names[14], "DecorateTundra");

  // The finishing rows: harbour places by default; with fair starts, the fair step marks
  // them itself, before its balance of wood and stone.
  TestRun fair(dir, "f", [](GeneratorSettings& s) { s.fair_starts = true; });
  EXPECT_EQ(fair.host.rows, Concat({{1, 2}, Range(4, 5), Range(7, 38)}));
  TestRun bare(dir, "g", [](GeneratorSettings& s) { s.harbours = false; });
  EXPECT_EQ(bare.host.rows, Concat({{1, 2}, Range(4, 5), Range(7, 37)}));

  TestRun waste(dir, "e", [](GeneratorSettings& s) { s.LandscapeType = Oedland; });
  EXPECT_EQ(waste.host.names[14], "DecorateWastelandA");
  EXPECT_EQ(waste.host.names[15], "DecorateLava");
  EXPECT_EQ(waste.host.names[17], "DecoratePastures");
  EXPECT_EQ(waste.host.names[18], "DecorateWastelandB");
}

TEST(RunCancel, TheCancelKeyStopsAtTheNextCheckAndWritesNothing) {
  for (int checks : {0, 1, 5, 20}) {
    SCOPED_TRACE(checks);
    TempDir dir;
    TestRun r(dir, "x", nullptr, checks);
    EXPECT_EQ(r.outcome.status, RunOutcome::Status::Cancelled);
    EXPECT_EQ(r.host.runs_ended, 1);
    EXPECT_TRUE(r.host.proposals.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_LT(r.host.rows.size(), 33u);
  }
  TempDir dir;
  TestRun first(dir, "x", nullptr, 0);
  EXPECT_EQ(first.host.rows, (std::vector<int>{1, 2}));
}

TEST(RunCancel, ACancelledSaveDialogEndsTheRunOnce) {
  TempDir dir;
  RecordingHost host(dir.path());
  host.answers = {std::nullopt};
  auto g = std::make_unique<Generator>(host);
  g->settings.MapWidth = g->settings.MapHeight = 32;
  PrepareGeneration(*g);
  const RunOutcome out = RunGeneration(*g);
  EXPECT_EQ(out.status, RunOutcome::Status::SaveCancelled);
  EXPECT_EQ(host.runs_ended, 1);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(RunRefusal, SettingsOutOfRangeEndTheRunBeforeItsFirstStep) {
  const std::pair<void (*)(GeneratorSettings&), const char*> cases[] = {
      {[](GeneratorSettings& s) { s.PlayerCount = 200; }, "\u201ESpielerzahl\u201C steht auf 200"},
      {[](GeneratorSettings& s) { s.LandscapeType = 7; },
       "\u201ELandschaftstyp\u201C steht auf 7; diese Wahl gibt es nicht"},
      {[](GeneratorSettings& s) { s.Slider1[7] = 30000; }, "steht auf 30000"},
      {[](GeneratorSettings& s) {
         s.CheckErwEinst = true;
         s.land_shape = LandShape::Picture;
       },
       "kein Bild"},
  };
  for (const auto& [configure, expected] : cases) {
    SCOPED_TRACE(expected);
    TempDir dir;
    TestRun r(dir, "x", configure);
    EXPECT_EQ(r.outcome.status, RunOutcome::Status::Failed);
    EXPECT_NE(r.outcome.message.German().find(expected), std::string::npos)
        << r.outcome.message.German();
    ASSERT_FALSE(r.host.statuses.empty());
    EXPECT_EQ(r.host.statuses.back(), r.outcome.message.German());
    EXPECT_TRUE(r.host.rows.empty());
    EXPECT_EQ(r.host.runs_ended, 1);
    EXPECT_EQ(r.g->rng.Draws(), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  }
}

TEST(RunIsolation, TwoGeneratorsOnTwoThreadsMakeTheSameBytesAsOneAfterTheOther) {
  TempDir dir;
  auto configure = [](GeneratorSettings& s) {
    s.MapWidth = 64;
    s.MapHeight = 48;
    s.PlayerCount = 4;
  };
  { TestRun a(dir, "seq1", configure, -1, 77); }
  { TestRun b(dir, "seq2", configure, -1, 78); }
  std::thread t1([&] { TestRun a(dir, "par1", configure, -1, 77); });
  std::thread t2([&] { TestRun b(dir, "par2", configure, -1, 78); });
  t1.join();
  t2.join();
  for (const char* ext : {".swd", ".bmp"}) {
    EXPECT_EQ(ReadFile(dir.path() / (std::string("seq1") + ext)),
              ReadFile(dir.path() / (std::string("par1") + ext)));
    EXPECT_EQ(ReadFile(dir.path() / (std::string("seq2") + ext)),
              ReadFile(dir.path() / (std::string("par2") + ext)));
  }
  EXPECT_EQ(ReadFile(dir.path() / "seq1.swd").size(), std::size_t(2352 + 14 * (16 + 64 * 48) + 1));
}

}  // namespace
}  // namespace swd
