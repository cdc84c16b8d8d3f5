#include "model/settings_check.hpp"

#include "model/setting_table.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace swd {
namespace {

using Change = std::function<void(GeneratorSettings&)>;

GeneratorSettings With(const Change& change) {
  GeneratorSettings s;
  change(s);
  return s;
}

TEST(CheckSettings, EveryValueTheControlsAllowPasses) {
  EXPECT_EQ(CheckSettings(GeneratorSettings{}).German(), "");
  const Change edges[] = {
      [](GeneratorSettings& s) { s.MapWidth = 32, s.MapHeight = 256; },
      [](GeneratorSettings& s) { s.MapWidth = 256, s.MapHeight = 48; },
      [](GeneratorSettings& s) { s.PlayerCount = 1, s.LandscapeType = Winterland; },
      [](GeneratorSettings& s) { s.PlayerCount = 7, s.LandscapeType = Oedland; },
      [](GeneratorSettings& s) {
        s.Slider1.fill(0), s.Slider2.fill(10), s.Slider3.fill(10), s.CoastRoughness = 0;
      },
      [](GeneratorSettings& s) {
        s.SliderGrGranitAz = s.SliderGrGranitAus = s.SliderKlGranitAus = 10;
        s.SliderKlGranitAz = s.SliderBaumgruppen = 15;
        s.SliderTiere = {0, 20, 20, 20, 20, 20, 20};
        s.CoastRoughness = 10;
      },
      [](GeneratorSettings& s) {
        s.ResourceShares = {100, 0, 0, 0};
      },
      // Without the extended settings the shape page's "Spezial" needs no picture.
      [](GeneratorSettings& s) { s.land_shape = LandShape::Picture; },
  };
  for (std::size_t i = 0; i < std::size(edges); ++i)
    EXPECT_EQ(CheckSettings(With(edges[i])).German(), "") << i;
}

TEST(CheckSettings, AValueOutsideItsRangeIsRefusedWithAMessageNamingIt) {
  const std::pair<Change, const char*> cases[] = {
      {[](GeneratorSettings& s) { s.MapWidth = 40; },
       "\u201EKartenbreite\u201C steht auf 40, möglich sind 32 bis 256 in Schritten von 16."},
      {[](GeneratorSettings& s) { s.MapWidth = 272; }, "Kartenbreite"},
      {[](GeneratorSettings& s) { s.MapHeight = 16; }, "\u201EKartenhöhe\u201C steht auf 16"},
      {[](GeneratorSettings& s) { s.LandscapeType = 3; },
       "\u201ELandschaftstyp\u201C steht auf 3; diese Wahl gibt es nicht."},
      {[](GeneratorSettings& s) { s.PlayerCount = 0; }, "\u201ESpielerzahl\u201C steht auf 0"},
      {[](GeneratorSettings& s) { s.PlayerCount = 8; }, "möglich sind 1 bis 7"},
      {[](GeneratorSettings& s) { s.land_shape = static_cast<LandShape>(6); },
       "\u201EGrundform\u201C steht auf 6; diese Wahl gibt es nicht."},
      {[](GeneratorSettings& s) { s.Slider1[2] = 11; },
       "\u201EAnzahl\u201C für \u201EWälder\u201C"},
      {[](GeneratorSettings& s) { s.Slider2[7] = -1; },
       "\u201EGröße\u201C für \u201EGebirge\u201C"},
      {[](GeneratorSettings& s) { s.Slider3[9] = 11; },
       "\u201EVerzierungen\u201C für \u201EBergwiesen\u201C steht auf 11"},
      {[](GeneratorSettings& s) { s.CoastRoughness = 11; }, "Küste zum Meer"},
      {[](GeneratorSettings& s) { s.SliderGrGranitAz = 11; }, "Granitfelder: Anzahl"},
      {[](GeneratorSettings& s) { s.SliderKlGranitAz = 16; }, "möglich sind 0 bis 15"},
      {[](GeneratorSettings& s) { s.SliderBaumgruppen = -1; }, "Kleine Baumgruppen"},
      {[](GeneratorSettings& s) { s.SliderTiere[6] = 21; }, "\u201ESchafe\u201C steht auf 21"},
      {[](GeneratorSettings& s) {
         s.ResourceShares = {101, 0, 0, -1};
       },
       "\u201EKohle\u201C"},
      {[](GeneratorSettings& s) {
         s.ResourceShares = {50, 20, 20, 20};
       },
       "ergeben zusammen 110 %"},
      {[](GeneratorSettings& s) { s.CheckErwEinst = true, s.land_shape = LandShape::Picture; },
       GermanText(MessageKey::PictureNotChosen)},
  };
  for (const auto& [change, expected] : cases) {
    const std::string problem = CheckSettings(With(change)).German();
    EXPECT_NE(problem.find(expected), std::string::npos) << problem << " / " << expected;
  }
}

TEST(CheckSettings, ThePageNamesTheClassOfItsLandscapeType) {
  GeneratorSettings s;
  s.LandscapeType = Oedland;
  s.Slider1[3] = 12;
  EXPECT_EQ(CheckSettings(s).German(),
            "Der Regler \u201EAnzahl\u201C für \u201ELava 1\u201C steht auf 12, möglich sind 0 "
            "bis 10.");
}

TEST(CheckSettings, TheSixChoicesOfTheShapePageAndNothingElse) {
  for (int shape = 0; shape <= 6; ++shape) {
    GeneratorSettings s;
    s.land_shape = static_cast<LandShape>(shape);
    s.PicturePath = "bild.bmp";
    s.CheckErwEinst = true;
    EXPECT_EQ(CheckSettings(s).empty(), shape < 6) << shape;
  }
}

}  // namespace
}  // namespace swd
