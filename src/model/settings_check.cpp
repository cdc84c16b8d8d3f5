#include "model/settings_check.hpp"

#include <array>

#include "model/terrain.hpp"

namespace swd {

namespace {

struct ShapeChoice {
  float code, shaped, symmetric;
  RunShape shape;
};
constexpr ShapeChoice kShapeChoices[] = {
    {0, 0, 0, {BaseShape::Island, false}},         {0, 0, 1, {BaseShape::Island, true}},
    {1, 1, 0, {BaseShape::Spiral, false}},         {2, 1, 0, {BaseShape::Ring, false}},
    {3, 1, 0, {BaseShape::SpiralWithRing, false}}, {4, 1, 0, {BaseShape::Picture, false}},
};

// A slider of a detail dialog and the range its control allows.
struct DialogSlider {
  const char* caption;
  int GeneratorSettings::*level;
  int lo, hi;
};
constexpr DialogSlider kDialogSliders[] = {
    {"Küste zum Meer", &GeneratorSettings::CoastRoughness, 0, 10},
    {"Ausgedehnte Granitfelder: Anzahl", &GeneratorSettings::SliderGrGranitAz, 0, 10},
    {"Ausgedehnte Granitfelder: Größe", &GeneratorSettings::SliderGrGranitAus, 0, 10},
    {"Kleine Granitvorkommen: Häufigkeit", &GeneratorSettings::SliderKlGranitAz, 0, 15},
    {"Kleine Granitvorkommen: Füllung", &GeneratorSettings::SliderKlGranitAus, 0, 10},
    {"Kleine Baumgruppen", &GeneratorSettings::SliderBaumgruppen, 0, 15},
};

constexpr std::array<const char*, 3> kGroupCaptions{"Anzahl", "Größe", "Verzierungen"};
constexpr std::array<const char*, 6> kSpecies{"Hasen", "Füchse", "Hirsche",
                                              "Rehe",  "Enten",  "Schafe"};
constexpr int kLastLevel = 10;
constexpr int kLastAnimalLevel = 20;

std::string Quoted(const std::string& text) {
  return "\u201E" + text + "\u201C";
}

std::string OutOfRange(const std::string& what, long value, int lo, int hi, const char* more = "") {
  return what + " steht auf " + std::to_string(value) + ", möglich sind " + std::to_string(lo) +
         " bis " + std::to_string(hi) + more + ".";
}

bool Outside(long value, int lo, int hi) {
  return value < lo || value > hi;
}

std::string CheckSize(const char* what, int side) {
  if (Outside(side, 32, 256) || side % 16 != 0) {
    return OutOfRange(what, side, 32, 256, " in Schritten von 16");
  }
  return {};
}

// The sliders of the proportions page, by group and class.
std::string CheckProportions(const GeneratorSettings& s) {
  const std::array<const std::array<int, 11>*, 3> groups{&s.Slider1, &s.Slider2, &s.Slider3};
  for (std::size_t k = 0; k < groups.size(); ++k) {
    for (int c = 0; c < kClassCount; ++c) {
      const int level = (*groups[k])[c];
      if (!Outside(level, 0, kLastLevel)) continue;
      const std::string name = ClassName(s.LandscapeType, c);
      const std::string of = name.empty() ? "Klasse " + std::to_string(c) : Quoted(name);
      return OutOfRange("Der Regler " + Quoted(kGroupCaptions[k]) + " für " + of, level, 0,
                        kLastLevel);
    }
  }
  return {};
}

std::string CheckResourceShares(const ResourceShareSet& r) {
  const std::pair<const char*, int> shares[] = {
      {"Kohle", r.coal}, {"Gold", r.gold}, {"Eisen", r.iron}, {"Granit", r.granite}};
  long sum = 0;
  for (const auto& [name, share] : shares) {
    if (Outside(share, 0, 100)) return OutOfRange("Der Anteil " + Quoted(name), share, 0, 100);
    sum += share;
  }
  if (sum != 100) {
    return "Die Anteile der Schätze ergeben zusammen " + std::to_string(sum) +
           " %, es müssen 100 % sein.";
  }
  return {};
}

}  // namespace

std::optional<RunShape> ShapeOf(const GeneratorSettings& s) {
  for (const ShapeChoice& k : kShapeChoices) {
    if (s.ShapeCode == k.code && s.ShapedBase == k.shaped && s.SymmetricBase == k.symmetric) {
      return k.shape;
    }
  }
  return std::nullopt;
}

std::string CheckSettings(const GeneratorSettings& s) {
  if (auto problem = CheckSize("Die Kartenbreite", s.MapWidth); !problem.empty()) return problem;
  if (auto problem = CheckSize("Die Kartenhöhe", s.MapHeight); !problem.empty()) return problem;
  if (s.LandscapeType > Winterland) {
    return "Der Landschaftstyp " + std::to_string(s.LandscapeType) + " ist unbekannt.";
  }
  if (Outside(s.PlayerCount, 1, 7)) return OutOfRange("Die Spielerzahl", s.PlayerCount, 1, 7);
  const auto shape = ShapeOf(s);
  if (!shape) return "Die gewählte Grundform ist unbekannt.";
  if (s.CheckErwEinst && shape->shape == BaseShape::Picture && s.PicturePath.empty()) {
    return kNoPictureChosen;
  }
  if (auto problem = CheckProportions(s); !problem.empty()) return problem;
  for (const DialogSlider& d : kDialogSliders) {
    const int level = s.*d.level;
    if (Outside(level, d.lo, d.hi)) {
      return OutOfRange("Der Regler " + Quoted(d.caption), level, d.lo, d.hi);
    }
  }
  for (std::size_t k = 0; k < kSpecies.size(); ++k) {
    const int level = s.SliderTiere[k + 1];
    if (Outside(level, 0, kLastAnimalLevel)) {
      return OutOfRange("Der Regler " + Quoted(kSpecies[k]), level, 0, kLastAnimalLevel);
    }
  }
  return CheckResourceShares(s.ResourceShares);
}

}  // namespace swd
