#include "support/generated_map.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "support/recording_host.hpp"

namespace swd::test {

SwdMap GeneratedMap(const GeneratorSettings& settings, std::uint32_t seed, RunOutcome* outcome) {
  TempDir dir;
  RecordingHost host(dir.path(), "karte");
  auto g = std::make_unique<Generator>(host);
  g->settings = settings;
  PrepareGeneration(*g);
  g->rng.Seed(seed);
  const RunOutcome run = RunGeneration(*g);
  EXPECT_EQ(run.status, RunOutcome::Status::Written);
  if (outcome != nullptr) *outcome = run;
  SwdMapRead read = ReadSwdMap(ReadFile(dir.path() / "karte.swd"));
  EXPECT_TRUE(read.map) << read.problem;
  return read.map ? std::move(*read.map) : SwdMap{};
}

GeneratorSettings ShapedSettings(LandShape shape, int players, std::int16_t side) {
  GeneratorSettings s;
  s.MapWidth = s.MapHeight = side;
  s.PlayerCount = static_cast<std::uint8_t>(players);
  s.CheckErwEinst = true;
  s.land_shape = shape;
  return s;
}

}  // namespace swd::test
