#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench_hosts.hpp"
#include "run/run.hpp"

namespace {

// Runs from seed 1 on, a new seed each time, at side x side.
void RunMaps(benchmark::State& state, swd::Host& host) {
  auto g = std::make_unique<swd::Generator>(host);
  const auto side = static_cast<std::int16_t>(state.range(0));
  g->settings.MapWidth = g->settings.MapHeight = side;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    swd::PrepareGeneration(*g);
    g->rng.Seed(seed++);
    const auto outcome = swd::RunGeneration(*g);
    benchmark::DoNotOptimize(outcome.players_placed);
  }
}

// The whole run as the command line makes it, the map and its bitmap written and flushed.
void FullRun(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "swdgen-bench";
  std::filesystem::create_directories(folder);
  swd::bench::SavingHost host(folder);
  RunMaps(state, host);
  std::filesystem::remove_all(folder);
}

// The same with the files kept in memory: what the core itself takes.
void FullRunInMemory(benchmark::State& state) {
  swd::bench::InMemoryHost host;
  RunMaps(state, host);
}

}  // namespace

BENCHMARK(FullRun)->Arg(64)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRunInMemory)->Arg(64)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
