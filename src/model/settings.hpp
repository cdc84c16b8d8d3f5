#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace swd {

enum LandscapeKind : std::uint8_t { Gruenland = 0, Oedland = 1, Winterland = 2 };

// Whole percentages; the resource dialog keeps their sum at 100.
struct ResourceShareSet {
  int coal = 54;
  int gold = 15;
  int granite = 5;
  int iron = 26;
  bool operator==(const ResourceShareSet&) const = default;
};

// What the wizard pages and dialogs leave for a run. Slider arrays are indexed by
// terrain class (the proportions page has rows 0..7 and 9) or by species 1..6. The three
// shape values are the pages' own; the run reads its shape from RunSettings.
struct GeneratorSettings {
  std::int16_t MapWidth = 128;
  std::int16_t MapHeight = 128;
  std::uint8_t LandscapeType = Gruenland;
  std::uint8_t PlayerCount = 3;
  float ShapeCode = 0;
  float ShapedBase = 0;
  float SymmetricBase = 0;
  bool CheckInsel = true;                                        // "Insel"
  bool CheckErwEinst = false;                                    // "Erweiterte Einstellungen"
  bool CheckFlaechenvariante = false;                            // "Flächen-variante"
  std::array<int, 11> Slider1{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};  // "Anzahl"
  std::array<int, 11> Slider2{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};  // "Größe"
  std::array<int, 11> Slider3{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};  // "Verzierungen"
  int CoastRoughness = 5;                                        // the coast dialog
  std::string PicturePath;
  ResourceShareSet ResourceShares;
  int SliderGrGranitAz = 5;
  int SliderGrGranitAus = 5;
  int SliderKlGranitAz = 3;
  int SliderKlGranitAus = 7;
  int SliderBaumgruppen = 4;
  std::array<int, 7> SliderTiere{0, 2, 2, 2, 2, 2, 2};  // species 1..6, entry 0 unused
  // "Hafenplätze anlegen": harbour places where the sea parts the starts (finish/).
  bool harbours = true;
  // "Faire Startpositionen": the starts chosen on the finished landscape (finish/).
  bool fair_starts = false;
};

// The base shape a run builds: the island (plain or point-symmetric), the figures carved
// into the sea, or the land of a picture.
enum class BaseShape : std::uint8_t { Island, Spiral, Ring, SpiralWithRing, Picture };

// The settings as one run uses them, with the values derived before its first step.
// The run works on this copy, so the pages keep showing what the user chose.
struct RunSettings : GeneratorSettings {
  BaseShape shape = BaseShape::Island;
  bool symmetric = false;  // every write is repeated at the point mirror (MirrorCell)
  float MarginX = 0;
  float MarginY = 0;
  float InnerWidth = 0;
  float InnerHeight = 0;
  std::int16_t RowLimit = 0;
};

}  // namespace swd
