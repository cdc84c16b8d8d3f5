#include <benchmark/benchmark.h>

#include <memory>

#include "bench_hosts.hpp"
#include "model/class_tables.hpp"
#include "regions/region_steps.hpp"

namespace {

using swd::bench::QuietHost;

// A 256 x 256 map that is mountain from edge to edge: every run goes the whole way round.
std::unique_ptr<swd::Generator> AllMountain(QuietHost& host) {
  auto g = std::make_unique<swd::Generator>(host);
  g->run.MapWidth = g->run.MapHeight = 256;
  g->run.RowLimit = 255;
  g->preview.Reset(256, 256);
  swd::FillClassTables(g->tables, swd::Gruenland);
  for (int y = 0; y <= 256; ++y)
    for (int x = 0; x <= 256; ++x)
      g->grid(x, y, swd::TerrainLayerA) = 7;
  return g;
}

void RoughenAllMountain(benchmark::State& state) {
  QuietHost host;
  auto g = AllMountain(host);
  for (auto _ : state) {
    state.PauseTiming();
    for (int y = 0; y <= 256; ++y)
      for (int x = 0; x <= 256; ++x)
        g->grid(x, y, swd::TerrainLayerA) = 7;
    state.ResumeTiming();
    swd::RoughenMountains(*g);
  }
}

void ShapeHeights256(benchmark::State& state) {
  QuietHost host;
  auto g = AllMountain(host);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x)
      g->grid(x, y, swd::TerrainLayerA) = static_cast<std::uint8_t>((x / 16 + y / 16) % 10);
  for (auto _ : state)
    swd::ShapeHeights(*g);
}

}  // namespace

BENCHMARK(RoughenAllMountain)->Unit(benchmark::kMillisecond);
BENCHMARK(ShapeHeights256)->Unit(benchmark::kMillisecond);
