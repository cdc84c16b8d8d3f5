#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace swd {

enum LandscapeKind : std::uint8_t { Gruenland = 0, Oedland = 1, Winterland = 2 };

// Whole percentages; the resource dialog keeps their sum at 100. Their defaults are the
// table's (setting_table.hpp), as those of every setting.
struct ResourceShareSet {
  int coal = 0;
  int gold = 0;
  int granite = 0;
  int iron = 0;
  bool operator==(const ResourceShareSet&) const = default;
};

// The six base shapes a map maker chooses from, as the base-shape page shows them; the run
// derives what its steps read from this (run/run.cpp).
enum class LandShape : std::uint8_t {
  Island,
  IslandSymmetric,
  Spiral,
  Ring,
  SpiralWithRing,
  Picture
};

// What the wizard pages and dialogs leave for a run, under the names the steps read. Slider
// arrays are indexed by terrain class (the proportions page has rows 0..7 and 9) or by
// species 1..6. A new GeneratorSettings holds every setting at the default of the table of
// settings (setting_table.hpp), which declares each setting once for every front end.
struct GeneratorSettings {
  GeneratorSettings();

  std::int16_t MapWidth = 0;
  std::int16_t MapHeight = 0;
  std::uint8_t LandscapeType = Gruenland;
  std::uint8_t PlayerCount = 0;
  LandShape land_shape = LandShape::Island;
  bool CheckInsel = false;             // "Insel"
  bool CheckErwEinst = false;          // "Erweiterte Einstellungen"
  bool CheckFlaechenvariante = false;  // "Flächen-variante"
  // Classes 8 and 10 have no row and keep the level the rows start at.
  std::array<int, 11> Slider1{};  // "Anzahl"
  std::array<int, 11> Slider2{};  // "Größe"
  std::array<int, 11> Slider3{};  // "Verzierungen"
  int CoastRoughness = 0;         // the coast dialog
  std::string PicturePath;
  ResourceShareSet ResourceShares;
  int SliderGrGranitAz = 0;
  int SliderGrGranitAus = 0;
  int SliderKlGranitAz = 0;
  int SliderKlGranitAus = 0;
  int SliderBaumgruppen = 0;
  std::array<int, 7> SliderTiere{};  // species 1..6, entry 0 unused
  // "Hafenplätze anlegen": harbour places where the sea parts the starts (finish/).
  bool harbours = false;
  // "Faire Startpositionen": the starts chosen on the finished landscape (finish/).
  bool fair_starts = false;
  // "Startpositionen als Objekte eintragen": what the save proposes (SaveTarget).
  bool start_objects = false;
};

// The base shape a run builds: the island (plain or point-symmetric), the figures carved
// into the sea, or the land of a picture.
enum class BaseShape : std::uint8_t { Island, Spiral, Ring, SpiralWithRing, Picture };

// The settings as one run uses them, with the values derived before its first step.
// The run works on this copy, so the pages keep showing what the user chose.
struct RunSettings : GeneratorSettings {
  // The shape as the shape page's three values name it (ShapeCode 0 island, 1 spiral, 2 ring,
  // 3 spiral with ring, 4 picture; ShapedBase for the figures; SymmetricBase for the
  // mirrored island), and as the steps read it.
  float ShapeCode = 0;
  float ShapedBase = 0;
  float SymmetricBase = 0;
  BaseShape shape = BaseShape::Island;
  bool symmetric = false;  // every write is repeated at the point mirror (MirrorCell)
  float MarginX = 0;
  float MarginY = 0;
  float InnerWidth = 0;
  float InnerHeight = 0;
  std::int16_t RowLimit = 0;
};

}  // namespace swd
