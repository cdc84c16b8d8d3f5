#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "files/atomic_files.hpp"
#include "run/run.hpp"

namespace {

// Saves every map into one scratch folder, under the same name.
class BenchHost : public swd::Host {
 public:
  explicit BenchHost(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::optional<swd::SaveTarget> AskSaveTarget(const swd::SaveTarget&,
                                               const swd::Message& problem) override {
    if (!problem.empty()) return std::nullopt;
    return swd::SaveTarget{folder_, "bench", "Bench"};
  }
  swd::Message WriteFiles(const std::vector<swd::FileContent>& files) override {
    return swd::WriteFilesAtomically(files);
  }

 private:
  std::filesystem::path folder_;
};

void FullRun(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "swdgen-bench";
  std::filesystem::create_directories(folder);
  BenchHost host(folder);
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
  std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(FullRun)->Arg(64)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
