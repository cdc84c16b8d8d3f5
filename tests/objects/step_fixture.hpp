#pragma once

#include <memory>
#include <vector>

#include "model/class_tables.hpp"
#include "model/generator.hpp"
#include "support/recording_host.hpp"

namespace swd::test {

class ProgressHost : public RecordingHost {
 public:
  void SetProgress(int value) override { progress.push_back(value); }
  std::vector<int> progress;
};

// A hand-made w x h map whose terrain layers hold `fill` everywhere, the rest zero.
struct StepFixture {
  ProgressHost host;
  std::unique_ptr<Generator> g = std::make_unique<Generator>(host);

  explicit StepFixture(int w = 32, int h = 32, int type = Gruenland, int fill = 0) {
    g->run.MapWidth = static_cast<std::int16_t>(w);
    g->run.MapHeight = static_cast<std::int16_t>(h);
    g->run.LandscapeType = static_cast<std::uint8_t>(type);
    g->run.RowLimit = static_cast<std::int16_t>(h - 1);
    g->preview.Reset(w, h);
    FillClassTables(g->tables, type);
    FillLayer(TerrainLayerA, fill);
    FillLayer(TerrainLayerB, fill);
  }
  void MakeSymmetric() {
    g->run.symmetric = true;
    g->run.RowLimit = static_cast<std::int16_t>(g->run.MapHeight / 2);
  }
  void FillLayer(int layer, int value) {  // the mirror column and row included
    for (int y = 0; y < kGridSide; ++y)
      for (int x = 0; x < kGridSide; ++x)
        g->grid(x, y, layer) = static_cast<std::uint8_t>(value);
  }
  void SetClass(int x, int y, int c) {
    g->grid(x, y, TerrainLayerA) = g->grid(x, y, TerrainLayerB) = static_cast<std::uint8_t>(c);
  }
  int At(int x, int y, int layer) const { return g->grid(x, y, layer); }
  // Cells of the map whose layer value satisfies pred.
  template <class Pred>
  int Count(int layer, Pred pred) const {
    int n = 0;
    for (int y = 0; y < g->run.MapHeight; ++y)
      for (int x = 0; x < g->run.MapWidth; ++x)
        n += pred(At(x, y, layer)) ? 1 : 0;
    return n;
  }
};

}  // namespace swd::test
