#pragma once

#include <memory>
#include <vector>

#include "model/class_tables.hpp"
#include "model/generator.hpp"
#include "support/recording_host.hpp"

namespace swd::test {

// A host that also keeps the progress values a step reports.
class ProgressHost : public RecordingHost {
 public:
  void SetProgress(int value) override { progress.push_back(value); }
  std::vector<int> progress;
};

// A generator on a hand-made map: every cell of layer `TerrainLayerA` and `TerrainLayerB`
// starts as class `fill`, everything else zero, run settings as a step sees them.
struct StepFixture {
  ProgressHost host;
  std::unique_ptr<Generator> g = std::make_unique<Generator>(host);

  explicit StepFixture(int w = 32, int h = 32, int type = Gruenland, int fill = 0) {
    RunSettings& r = g->run;
    r.MapWidth = static_cast<std::int16_t>(w);
    r.MapHeight = static_cast<std::int16_t>(h);
    r.LandscapeType = static_cast<std::uint8_t>(type);
    r.RowLimit = static_cast<std::int16_t>(h - 1);
    g->preview.Reset(w, h);
    FillClassTables(g->tables, type);
    FillLayer(TerrainLayerA, fill);
    FillLayer(TerrainLayerB, fill);
  }
  void MakeSymmetric() {
    g->run.SymmetricBase = 1;
    g->run.RowLimit = static_cast<std::int16_t>(g->run.MapHeight / 2);
  }
  // Sets the layer over the whole grid, the mirror column and row included.
  void FillLayer(int layer, int value) {
    for (int y = 0; y < kGridSide; ++y)
      for (int x = 0; x < kGridSide; ++x)
        g->grid(x, y, layer) = static_cast<std::uint8_t>(value);
  }
  void SetClass(int x, int y, int c) {
    g->grid(x, y, TerrainLayerA) = static_cast<std::uint8_t>(c);
    g->grid(x, y, TerrainLayerB) = static_cast<std::uint8_t>(c);
  }
  std::uint8_t At(int x, int y, int layer) const { return g->grid(x, y, layer); }
  // Cells of the map area whose layer holds a value for which `pred` is true.
  template <class Pred>
  int Count(int layer, Pred pred) const {
    int n = 0;
    for (int y = 0; y < g->run.MapHeight; ++y)
      for (int x = 0; x < g->run.MapWidth; ++x)
        if (pred(g->grid(x, y, layer))) ++n;
    return n;
  }
};

}  // namespace swd::test
