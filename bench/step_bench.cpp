// One benchmark per expensive step of a run: the step alone, on the grid that the rows
// before it left in a 256 x 256 run from seed 1 (plain island, Grünland), with its random
// source where they left it, so that it makes the same draws as in the full run.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>

#include "bench_hosts.hpp"
#include "mapfile/mapfile_steps.hpp"
#include "objects/object_steps.hpp"
#include "regions/region_steps.hpp"
#include "run/run.hpp"
#include "shape/shape_steps.hpp"

namespace {

struct StepCase {
  const char* name;  // the row's name in the step trace
  void (*step)(swd::Generator&);
};

// The rows that take more than a percent or so of the run.
constexpr StepCase kSteps[] = {
    {"BuildIsland", swd::BuildIsland},
    {"FrayIslandEdges", swd::FrayIslandEdges},
    {"CreateLakesAndMoors", swd::CreateLakesAndMoors},
    {"CreateClimateRegions", swd::CreateClimateRegions},
    {"CreateMountainRanges", swd::CreateMountainRanges},
    {"PlaceResources", swd::PlaceResources},
    {"FillForests", swd::FillForests},
    {"CreateLargeGranite", swd::CreateLargeGranite},
    {"CreateSmallGranite", swd::CreateSmallGranite},
    {"CreateSmallTreeGroups", swd::CreateSmallTreeGroups},
    {"DecorateShores", swd::DecorateShores},
    {"DecorateMeadows", swd::DecorateMeadows},
    {"PlaceAnimals", swd::PlaceAnimals},
    {"RoughenMountains", swd::RoughenMountains},
    {"ShapeHeights", swd::ShapeHeights},
    {"SmoothLandscape", swd::SmoothLandscape},
    {"ConvertToGameCodes", swd::ConvertToGameCodes},
    {"SmoothCorners1", swd::SmoothCorners1},
    {"FillEmptyData", swd::FillEmptyData},
};

// Copies the generator as the first row shows its bar and after every row, and keeps the
// copy made before the first row named `target`.
class SnapshotHost : public swd::bench::QuietHost {
 public:
  explicit SnapshotHost(std::string_view target) : target_(target) {}
  void Attach(const swd::Generator& g) { generator_ = &g; }
  void ShowProgress(bool) override {
    if (!before_) before_ = std::make_unique<swd::Generator>(*generator_);
  }
  void StepFinished(int, std::string_view name) override {
    if (found_) return;
    if (name == target_) {
      found_ = true;
    } else {
      before_ = std::make_unique<swd::Generator>(*generator_);
    }
  }
  std::unique_ptr<swd::Generator> TakeBefore() { return found_ ? std::move(before_) : nullptr; }

 private:
  std::string_view target_;
  const swd::Generator* generator_ = nullptr;
  bool found_ = false;
  std::unique_ptr<swd::Generator> before_;
};

void Step(benchmark::State& state, const StepCase& c) {
  SnapshotHost host(c.name);
  auto run = std::make_unique<swd::Generator>(host);
  host.Attach(*run);
  run->settings.MapWidth = run->settings.MapHeight = 256;
  swd::PrepareGeneration(*run);
  run->rng.Seed(1);
  swd::RunGeneration(*run);
  const std::unique_ptr<swd::Generator> before = host.TakeBefore();
  if (!before) {
    state.SkipWithError("the run has no such row");
    return;
  }
  swd::bench::QuietHost quiet;
  auto g = std::make_unique<swd::Generator>(*before);
  for (auto _ : state) {
    state.PauseTiming();
    *g = *before;
    g->host = &quiet;
    state.ResumeTiming();
    c.step(*g);
  }
  state.counters["draws"] = static_cast<double>(g->rng.Draws() - before->rng.Draws());
}

const bool kRegistered = [] {
  for (const StepCase& c : kSteps) {
    benchmark::RegisterBenchmark((std::string("Step/") + c.name).c_str(), Step, c)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
