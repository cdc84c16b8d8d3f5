#include "model/run.hpp"

#include <cmath>
#include <string_view>

#include "mapfile/mapfile_steps.hpp"
#include "model/amount_tables.hpp"
#include "model/class_tables.hpp"
#include "model/primitives.hpp"
#include "objects/object_steps.hpp"
#include "regions/region_steps.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

const std::string& HintText(int number) {
  static const std::string kHints[3] = {
      "Erstellte Landschaften vor dem Spielen immer erst im Editor laden und abspeichern !!",
      "Anregungen und Kritik sind willkommen: wie, steht in der README des Projekts.",
      "Also daran denken: Erstellte Landschaften vor dem Spielen immer erst im Editor laden "
      "und abspeichern !!",
  };
  return kHints[number >= 1 && number <= 3 ? number - 1 : 0];
}

void PrepareGeneration(Generator& g) {
  FillClassTables(g.tables, g.settings.LandscapeType);
  ComputeClassTables(g);
  g.preview.Reset(g.settings.MapWidth, g.settings.MapHeight);
  g.host->SetStatus("");
  g.host->SetHint(HintText(1));
}

void EndGeneration(Generator& g) {
  g.host->RunEnded();
}

namespace {

// Copies the user's settings and derives the run's own values from them. Without
// "Erweiterte Einstellungen" the run is a plain island through and through, and the row
// limit follows the symmetry the run really uses.
void DeriveRunSettings(Generator& g) {
  RunSettings& r = g.run;
  static_cast<GeneratorSettings&>(r) = g.settings;
  if (!r.CheckErwEinst) {
    r.ShapedBase = 0;
    r.SymmetricBase = 0;
    r.ShapeCode = 0;
  }
  r.RowLimit = static_cast<std::int16_t>(IsSymmetric(r) ? std::nearbyint(r.MapHeight / 2.0)
                                                        : r.MapHeight - 1);
  if (r.CheckInsel) {
    r.MarginX = r.MarginY = 5.0f;
    r.InnerWidth = static_cast<float>(r.MapWidth - 6);
    r.InnerHeight = static_cast<float>(r.MapHeight - 6);
  } else {
    r.MarginX = r.MarginY = 0;
    r.InnerWidth = r.MapWidth;
    r.InnerHeight = r.MapHeight;
  }
}

class Pipeline {
 public:
  explicit Pipeline(Generator& g) : g_(g) {}

  template <class F>
  void Step(int row, std::string_view name, F&& step) {
    step();
    g_.host->StepFinished(row, name);
  }
  // A check between steps: true when the run must stop.
  bool Cancelled() {
    if (!CancelRequested(g_)) return false;
    EndGeneration(g_);
    return true;
  }

 private:
  Generator& g_;
};

}  // namespace

RunOutcome RunGeneration(Generator& g) {
  RunOutcome out;
  DeriveRunSettings(g);
  const RunSettings& s = g.run;
  out.players_requested = s.PlayerCount;
  g.ranges.Clear();
  g.rng.ResetDrawCount();

  if (s.ShapedBase != 0 && s.ShapeCode == 4) {
    out.message = LoadPicture(g);
    if (!out.message.empty()) {
      out.status = RunOutcome::Status::Failed;
      g.host->SetStatus(out.message);
      EndGeneration(g);
      return out;
    }
  }

  Pipeline p(g);
  const int type = s.LandscapeType;
  if (s.ShapedBase != 0) {
    p.Step(1, "BuildShapedBase", [&] { BuildShapedBase(g); });
  } else {
    p.Step(1, "BuildIsland", [&] { BuildIsland(g); });
  }
  if (s.ShapedBase == 0 && s.CheckInsel) p.Step(2, "FrayIslandEdges", [&] { FrayIslandEdges(g); });
  if (p.Cancelled()) return out;
  g.host->SetHint(HintText(2));
  if (p.Cancelled()) return out;
  if (s.ShapedBase == 0) p.Step(4, "CreateLakesAndMoors", [&] { CreateLakesAndMoors(g); });
  if (p.Cancelled()) return out;
  p.Step(5, "CreateClimateRegions", [&] { CreateClimateRegions(g); });
  if (p.Cancelled()) return out;
  if (s.ShapeCode == 4) {
    p.Step(6, "SpezialAdjustments", [&] {
      AdaptToSurroundings(g, 0, 7, 7);
      AdaptToSurroundings(g, 2, 7, 7);
      AdaptToSurroundings(g, 3, 7, 7);
      AdaptToSurroundings(g, 4, 7, 7);
      if (type != Winterland) {
        MatchEdges(g, 0, 6, 7, 9, 9);
        MatchEdges(g, 5, 5, 9, 9, 9);
      }
    });
  } else {
    p.Step(7, "CreateMountainRanges", [&] { CreateMountainRanges(g); });
  }
  if (p.Cancelled()) return out;
  if (s.ShapeCode != 4) p.Step(8, "InsertOases", [&] { InsertOases(g); });
  if (p.Cancelled()) return out;
  if (s.ShapeCode != 4) p.Step(9, "PlaceResources", [&] { PlaceResources(g); });
  if (p.Cancelled()) return out;

  struct Row {
    int row;
    const char* name;
    void (*step)(Generator&);
  };
  // Rows 10 to 16 run for every landscape type.
  for (const Row& r :
       {Row{10, "FillForests", FillForests}, Row{11, "CreateLargeGranite", CreateLargeGranite},
        Row{12, "CreateSmallGranite", CreateSmallGranite},
        Row{13, "CreateSmallTreeGroups", CreateSmallTreeGroups}, Row{14, "PlaceTrees", PlaceTrees},
        Row{15, "DecorateMountainMeadows", DecorateMountainMeadows},
        Row{16, "DecorateSavannas", DecorateSavannas}}) {
    p.Step(r.row, r.name, [&] { r.step(g); });
    if (p.Cancelled()) return out;
  }
  // Rows 17 to 21 pick their member by landscape type; a null entry is a slot without step.
  const Row by_type[5][3] = {
      {{17, "DecorateSteppe", DecorateSteppe},
       {17, "DecorateWastelandA", DecorateWastelandA},
       {17, nullptr, nullptr}},
      {{18, "DecorateSwamps", DecorateSwamps},
       {18, "DecorateLava", DecorateLava},
       {18, nullptr, nullptr}},
      {{19, "DecorateShores", DecorateShores},
       {19, "DecorateShores", DecorateShores},
       {19, nullptr, nullptr}},
      {{20, "DecorateMeadows", DecorateMeadows},
       {20, "DecoratePastures", DecoratePastures},
       {20, "DecorateTundra", DecorateTundra}},
      {{21, "DecorateDeserts", DecorateDeserts},
       {21, "DecorateWastelandB", DecorateWastelandB},
       {21, nullptr, nullptr}},
  };
  for (const auto& slot : by_type) {
    const Row& r = slot[type <= 2 ? type : 0];
    if (r.step != nullptr) p.Step(r.row, r.name, [&] { r.step(g); });
    if (p.Cancelled()) return out;
  }
  for (const Row& r :
       {Row{22, "PlaceAnimals", PlaceAnimals}, Row{23, "RoughenMountains", RoughenMountains},
        Row{24, "DecorateMountainsLate", DecorateMountainsLate},
        Row{25, "ShapeHeights", ShapeHeights}, Row{26, "CheckHeights", CheckHeights},
        Row{27, "PlaceHeadquarters", PlaceHeadquarters},
        Row{28, "SmoothLandscape", SmoothLandscape}, Row{29, "PickFlowers", PickFlowers},
        Row{30, "ConvertToGameCodes", ConvertToGameCodes}, Row{31, "ShiftTerrain", ShiftTerrain},
        Row{32, "SmoothCorners1", SmoothCorners1}, Row{33, "SmoothCorners2", SmoothCorners2},
        Row{34, "SmoothCorners1", SmoothCorners1}, Row{35, "FillEmptyData", FillEmptyData}}) {
    p.Step(r.row, r.name, [&] { r.step(g); });
    if (p.Cancelled()) return out;
  }
  if (type != Winterland) {
    p.Step(36, "SmoothCorners3", [&] { SmoothCorners3(g); });
    if (p.Cancelled()) return out;
    p.Step(37, "SmoothCorners4", [&] { SmoothCorners4(g); });
  }
  out.players_placed = g.run.PlayerCount;
  g.host->SetHint(HintText(3));
  const WriteResult written = WriteMapFile(g);
  out.status = written.written ? RunOutcome::Status::Written : RunOutcome::Status::SaveCancelled;
  out.map_path = written.map_path;
  out.bitmap_path = written.bitmap_path;
  // A cancelled save dialog has already ended the run.
  if (written.written) EndGeneration(g);
  return out;
}

}  // namespace swd
