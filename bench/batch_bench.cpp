// The batch's throughput: a fixed number of maps made with 1 and with 2 jobs, written as
// `swdgen generate --count` writes them (into a scratch folder below TMPDIR; TMPDIR=/dev/shm
// leaves the disk's flushes out). Run on an otherwise idle machine with as many cores as
// jobs; the ratio of the two maps_per_second figures is the gain from the second thread.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.hpp"

namespace {

constexpr int kMaps = 16;

void Batch(benchmark::State& state, std::vector<std::string> extra) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("swdgen-batch-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string jobs = std::to_string(state.range(0));
  std::vector<std::string> args = {"swdgen",
                                   "generate",
                                   "--count",
                                   std::to_string(kMaps),
                                   "--seed",
                                   "1",
                                   "--jobs",
                                   jobs,
                                   "--width",
                                   "128",
                                   "--height",
                                   "128",
                                   "--quiet",
                                   "--out",
                                   (folder / "b").string()};
  args.insert(args.end(), extra.begin(), extra.end());
  std::vector<const char*> argv;
  for (const auto& a : args)
    argv.push_back(a.c_str());
  for (auto _ : state) {
    std::ostringstream out, err;
    const int status =
        swd::cli::RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    if (status != 0) state.SkipWithError(err.str().c_str());
  }
  state.counters["maps_per_second"] =
      benchmark::Counter(static_cast<double>(kMaps) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  std::filesystem::remove_all(folder);
}

// The maps and their bitmaps alone.
void BatchOfMaps(benchmark::State& state) {
  Batch(state, {});
}
// With the picture and the analysis of each map, as a contact sheet needs them.
void BatchWithPicturesAndAnalysis(benchmark::State& state) {
  Batch(state, {"--png", "--analyze"});
}

}  // namespace

BENCHMARK(BatchOfMaps)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BatchWithPicturesAndAnalysis)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
