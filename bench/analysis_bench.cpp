#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/map_analysis.hpp"
#include "bench_hosts.hpp"
#include "run/run.hpp"

namespace {

// What `swdgen analyze` and the wizard's result line take for a side x side map with seven
// players (seed 1), the map read from its bytes.
void AnalyzeMapOfSide(benchmark::State& state) {
  swd::bench::InMemoryHost host;
  auto g = std::make_unique<swd::Generator>(host);
  g->settings.MapWidth = g->settings.MapHeight = static_cast<std::int16_t>(state.range(0));
  g->settings.PlayerCount = 7;
  swd::PrepareGeneration(*g);
  g->rng.Seed(1);
  swd::RunGeneration(*g);
  const swd::SwdMapRead read = swd::ReadSwdMap(host.map);
  for (auto _ : state) {
    const swd::MapAnalysis a = swd::AnalyzeMap(*read.map, swd::kDefaultRadius);
    benchmark::DoNotOptimize(a.starts.size());
  }
}

}  // namespace

BENCHMARK(AnalyzeMapOfSide)->Arg(64)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond);
