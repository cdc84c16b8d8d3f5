// The road of one landscape, from the settings to the map file.
//
// One press of Start calls RunGeneration. It checks the settings (model/settings_check),
// derives the run's own values (RunSettings: shape, symmetry, margins, the last row a pass
// visits) and calls the steps of kRows in order. Every step is a free function of the one
// Generator (model/generator.hpp) and talks to the others only through its grid and tables:
//   rows  1-2   shape/    the base shape, island, figures or picture, and its coast
//   rows  4-8   regions/  lakes, climate regions, mountain ranges and deserts, oases
//   rows  9-24  objects/  resources, forests, granite, decorations, animals; regions/
//                         roughens the mountains and lays the peaks in row 23
//   rows 25-29  regions/  heights and smoothing; objects/ the headquarters in row 27
//   rows 30-37  mapfile/  game codes and corner smoothing
//   rows 38-39  finish/   fair starts chosen on the finished map and their wood and stone
//                         balanced, harbour places where the sea parts the starts; then
//                         WriteMapFile saves the map and its bitmap.
// A row number names a slot of the table: the step trace (--dump-steps) reports each step
// under it, and a slot whose condition does not hold leaves a gap. After a slot the run
// checks the cancel key and, while it is held, stops without writing anything. What all
// steps share (grid, tables, random source, sweeps, walkers, progress) lives in model/.
#include "run/run.hpp"

#include <cmath>
#include <memory>
#include <string_view>

#include "finish/fair_starts.hpp"
#include "finish/harbour_places.hpp"
#include "mapfile/mapfile_steps.hpp"
#include "model/amount_tables.hpp"
#include "model/class_tables.hpp"
#include "model/primitives.hpp"
#include "model/progress.hpp"
#include "model/setting_table.hpp"
#include "model/settings_check.hpp"
#include "objects/object_steps.hpp"
#include "regions/region_steps.hpp"
#include "shape/coast_passes.hpp"
#include "shape/shape_steps.hpp"

namespace swd {

MessageKey HintText(int number) {
  constexpr MessageKey kHints[3] = {MessageKey::HintBefore, MessageKey::HintDuring,
                                    MessageKey::HintAfter};
  return kHints[number >= 1 && number <= 3 ? number - 1 : 0];
}

Message PlayersPlacedNote(int placed, int requested) {
  if (placed >= requested) return {};
  const Message asked = Message::Number(requested);
  if (placed == 0) {
    return requested == 1 ? Message(MessageKey::PlayerNotPlaced)
                          : Message(MessageKey::NoPlayerPlaced, {asked});
  }
  if (placed == 1) return {MessageKey::OnePlayerPlaced, {asked}};
  return {MessageKey::SomePlayersPlaced, {Message::Number(placed), asked}};
}

void PrepareGeneration(Generator& g) {
  FillClassTables(g.tables, g.settings.LandscapeType);
  ComputeClassTables(g);
  g.preview.Reset(g.settings.MapWidth, g.settings.MapHeight);
  g.host->SetStatus({});
  g.host->SetHint(HintText(1));
}

void PrepareSeededRun(Generator& g, std::uint32_t seed) {
  // The grid alone is almost a megabyte: the fresh generator is made on the heap.
  const GeneratorSettings settings = g.settings;
  g = *std::make_unique<Generator>(*g.host);
  g.settings = settings;
  PrepareGeneration(g);
  g.rng.Seed(seed);
  g.seed = seed;
}

void EndGeneration(Generator& g) {
  SendHeldDisplay(g);
  g.host->RunEnded();
}

namespace {

// What each base shape is for the steps: the shape page's three values and the shape built.
struct ShapeValues {
  LandShape land;
  float code, shaped, symmetric;
  BaseShape shape;
};
constexpr ShapeValues kShapeValues[] = {
    {LandShape::Island, 0, 0, 0, BaseShape::Island},
    {LandShape::IslandSymmetric, 0, 0, 1, BaseShape::Island},
    {LandShape::Spiral, 1, 1, 0, BaseShape::Spiral},
    {LandShape::Ring, 2, 1, 0, BaseShape::Ring},
    {LandShape::SpiralWithRing, 3, 1, 0, BaseShape::SpiralWithRing},
    {LandShape::Picture, 4, 1, 0, BaseShape::Picture},
};

// Copies the settings the run uses (without the extended settings a plain island) and
// derives the run's own values from them; the row limit follows the symmetry the run
// really uses.
void DeriveRunSettings(Generator& g) {
  RunSettings& r = g.run;
  static_cast<GeneratorSettings&>(r) = EffectiveSettings(g.settings);
  for (const ShapeValues& v : kShapeValues) {
    if (v.land != r.land_shape) continue;
    r.ShapeCode = v.code;
    r.ShapedBase = v.shaped;
    r.SymmetricBase = v.symmetric;
    r.shape = v.shape;
  }
  r.symmetric = r.SymmetricBase != 0;
  r.RowLimit =
      static_cast<std::int16_t>(r.symmetric ? std::nearbyint(r.MapHeight / 2.0) : r.MapHeight - 1);
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

void ShowWorkingHint(Generator& g) {
  g.host->SetHint(HintText(2));
}

// A picture brings its own mountains: the open land, forest and classes 3 and 4 they enclose
// become mountain, and their foot gets its meadows.
void AdjustPictureMountains(Generator& g) {
  RunCoastPasses(g, kPictureMountainFoot);
  RunCoastPasses(g, kMountainMeadows);
}

// When a row runs.
enum class When {
  Always,
  Island,        // the island shapes
  FrayedIsland,  // an island with "Insel" ticked
  Figures,       // spirals, rings and the picture
  Picture,
  NoPicture,
  Gruenland,
  Oedland,
  Winterland,
  NotWinterland,
  Harbours,    // "Hafenplätze anlegen" without fair starts, whose step marks them itself
  FairStarts,  // "Faire Startpositionen"
};

bool Holds(When when, const RunSettings& s) {
  const bool island = s.shape == BaseShape::Island;
  const bool picture = s.shape == BaseShape::Picture;
  switch (when) {
    case When::Always:
      return true;
    case When::Island:
      return island;
    case When::FrayedIsland:
      return island && s.CheckInsel;
    case When::Figures:
      return !island;
    case When::Picture:
      return picture;
    case When::NoPicture:
      return !picture;
    case When::Gruenland:
      return s.LandscapeType == Gruenland;
    case When::Oedland:
      return s.LandscapeType == Oedland;
    case When::Winterland:
      return s.LandscapeType == Winterland;
    case When::NotWinterland:
      return s.LandscapeType != Winterland;
    case When::Harbours:
      return s.harbours && !s.fair_starts;
    case When::FairStarts:
      return s.fair_starts;
  }
  return false;
}

struct Row {
  int number;
  const char* name;  // for the step trace; none for the hint, which is no step
  void (*step)(Generator&);
  When when = When::Always;
  bool check_after = true;  // the cancel check after the last row of the number
};
constexpr bool kNoCheck = false;

// Rows with one number are the members of one slot, of which at most one runs.
constexpr Row kRows[] = {
    {1, "BuildIsland", BuildIsland, When::Island, kNoCheck},
    {1, "BuildShapedBase", BuildShapedBase, When::Figures, kNoCheck},
    {2, "FrayIslandEdges", FrayIslandEdges, When::FrayedIsland},
    {3, nullptr, ShowWorkingHint},
    {4, "CreateLakesAndMoors", CreateLakesAndMoors, When::Island},
    {5, "CreateClimateRegions", CreateClimateRegions},
    {6, "SpezialAdjustments", AdjustPictureMountains, When::Picture, kNoCheck},
    {7, "CreateMountainRanges", CreateMountainRanges, When::NoPicture},
    {8, "InsertOases", InsertOases, When::NoPicture},
    {9, "PlaceResources", PlaceResources, When::NoPicture},
    {10, "FillForests", FillForests},
    {11, "CreateLargeGranite", CreateLargeGranite},
    {12, "CreateSmallGranite", CreateSmallGranite},
    {13, "CreateSmallTreeGroups", CreateSmallTreeGroups},
    {14, "PlaceTrees", PlaceTrees},
    {15, "DecorateMountainMeadows", DecorateMountainMeadows},
    {16, "DecorateSavannas", DecorateSavannas},
    {17, "DecorateSteppe", DecorateSteppe, When::Gruenland},
    {17, "DecorateWastelandA", DecorateWastelandA, When::Oedland},
    {18, "DecorateSwamps", DecorateSwamps, When::Gruenland},
    {18, "DecorateLava", DecorateLava, When::Oedland},
    {19, "DecorateShores", DecorateShores, When::NotWinterland},
    {20, "DecorateMeadows", DecorateMeadows, When::Gruenland},
    {20, "DecoratePastures", DecoratePastures, When::Oedland},
    {20, "DecorateTundra", DecorateTundra, When::Winterland},
    {21, "DecorateDeserts", DecorateDeserts, When::Gruenland},
    {21, "DecorateWastelandB", DecorateWastelandB, When::Oedland},
    {22, "PlaceAnimals", PlaceAnimals},
    {23, "RoughenMountains", RoughenMountains},
    {24, "DecorateMountainsLate", DecorateMountainsLate},
    {25, "ShapeHeights", ShapeHeights},
    {26, "CheckHeights", CheckHeights},
    {27, "PlaceHeadquarters", PlaceHeadquarters},
    {28, "SmoothLandscape", SmoothLandscape},
    {29, "PickFlowers", PickFlowers},
    {30, "ConvertToGameCodes", ConvertToGameCodes},
    {31, "ShiftTerrain", ShiftTerrain},
    {32, "SmoothCorners1", SmoothCorners1},
    {33, "SmoothCorners2", SmoothCorners2},
    {34, "SmoothCorners1", SmoothCorners1},
    {35, "FillEmptyData", FillEmptyData},
    {36, "SmoothCorners3", SmoothCorners3, When::NotWinterland},
    {37, "SmoothCorners4", SmoothCorners4, When::NotWinterland, kNoCheck},
    {38, "ChooseFairStarts", ChooseFairStarts, When::FairStarts},
    {39, "PrepareHarbourPlaces", PrepareHarbourPlaces, When::Harbours},
};

// Ends a run that never started: the status bar says why.
RunOutcome Refused(Generator& g, Message message) {
  RunOutcome out;
  out.status = RunOutcome::Status::Failed;
  out.message = std::move(message);
  g.host->SetStatus(out.message);
  EndGeneration(g);
  return out;
}

}  // namespace

RunOutcome RunGeneration(Generator& g) {
  if (Message problem = CheckSettings(g.settings); !problem.empty()) {
    return Refused(g, std::move(problem));
  }
  SendHeldDisplay(g);  // left over from steps run on their own
  DeriveRunSettings(g);
  const RunSettings& s = g.run;
  g.ranges.Clear();
  g.fairness_before.reset();
  g.rng.ResetDrawCount();
  if (s.shape == BaseShape::Picture) {
    if (Message problem = LoadPicture(g); !problem.empty()) {
      return Refused(g, std::move(problem));
    }
  }

  RunOutcome out;
  out.players_requested = s.PlayerCount;
  const std::size_t rows = std::size(kRows);
  for (std::size_t i = 0; i < rows; ++i) {
    const Row& r = kRows[i];
    if (Holds(r.when, s)) {
      r.step(g);
      if (r.name != nullptr) g.host->StepFinished(r.number, r.name);
    }
    const bool slot_ends = i + 1 == rows || kRows[i + 1].number != r.number;
    if (slot_ends && r.check_after && CancelRequested(g)) {
      EndGeneration(g);
      return out;
    }
  }
  out.players_placed = g.run.PlayerCount;
  out.fairness_before = g.fairness_before;
  g.host->SetHint(HintText(3));
  const WriteResult written = WriteMapFile(g);
  out.status = written.written ? RunOutcome::Status::Written : RunOutcome::Status::SaveCancelled;
  out.map_path = written.map_path;
  out.bitmap_path = written.bitmap_path;
  out.code = written.code;
  EndGeneration(g);
  return out;
}

}  // namespace swd
