#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench_hosts.hpp"
#include "run/run.hpp"

namespace {

// Runs from seed 1 on, a new seed each time, at side x side; the default settings, and
// with `fair_starts` the starts chosen fair.
void RunMaps(benchmark::State& state, swd::Host& host, bool fair_starts = false) {
  auto g = std::make_unique<swd::Generator>(host);
  const auto side = static_cast<std::int16_t>(state.range(0));
  g->settings.MapWidth = g->settings.MapHeight = side;
  g->settings.fair_starts = fair_starts;
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

// With "Faire Startpositionen": at most twice the plain run's time, so that choosing the
// fairest of several seeds with fair starts stays cheap.
void FairStartsRun(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "swdgen-bench-fair";
  std::filesystem::create_directories(folder);
  swd::bench::SavingHost host(folder);
  RunMaps(state, host, true);
  std::filesystem::remove_all(folder);
}

void FairStartsRunInMemory(benchmark::State& state) {
  swd::bench::InMemoryHost host;
  RunMaps(state, host, true);
}

}  // namespace

// Every run of a benchmark makes the maps of the same seeds, so that the plain and the fair
// runs are timed on the same landscapes: single maps take from half to twice the mean time.
constexpr int kSeeds = 20;
BENCHMARK(FullRun)->Arg(64)->Arg(128)->Arg(256)->Iterations(kSeeds)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRunInMemory)
    ->Arg(64)
    ->Arg(128)
    ->Arg(256)
    ->Iterations(kSeeds)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FairStartsRun)->Arg(128)->Arg(256)->Iterations(kSeeds)->Unit(benchmark::kMillisecond);
BENCHMARK(FairStartsRunInMemory)
    ->Arg(128)
    ->Arg(256)
    ->Iterations(kSeeds)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
