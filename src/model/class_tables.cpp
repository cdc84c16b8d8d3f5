#include "model/class_tables.hpp"

#include "model/settings.hpp"

namespace swd {

namespace {
constexpr Rgb kTypeColours[3][9] = {
    // classes 0, 1, 2, 3, 4, 5, 6, 8, 9
    {{99, 206, 0},
     {0, 0, 206},
     {0, 156, 49},
     {206, 206, 206},
     {156, 255, 0},
     {206, 255, 49},
     {255, 255, 49},
     {255, 255, 255},
     {132, 132, 0}},
    {{51, 153, 0},
     {153, 204, 153},
     {0, 102, 51},
     {255, 120, 0},
     {204, 204, 51},
     {204, 204, 102},
     {255, 204, 102},
     {255, 80, 0},
     {132, 132, 0}},
    {{153, 255, 153},
     {0, 55, 200},
     {153, 204, 102},
     {153, 255, 255},
     {204, 204, 105},
     {204, 204, 0},
     {240, 240, 240},
     {204, 255, 255},
     {255, 255, 255}},
};
constexpr int kColouredClasses[9] = {OpenLand, Water,  Forest, Swamp,         Savanna,
                                     Steppe,   Desert, Snow,   MountainMeadow};

constexpr std::array<std::uint8_t, kClassCount> kBaseHeight{22, 16, 24, 16, 24, 24,
                                                            24, 32, 36, 28, 16};
constexpr std::array<std::uint8_t, kClassCount> kBaseHeightWinter{18, 16, 20, 16, 20, 20,
                                                                  16, 26, 16, 30, 16};
constexpr std::array<std::uint8_t, kClassCount> kPropertyCode{4, 120, 4,   120, 4,  4,
                                                              9, 13,  120, 4,   120};

// The one table of class names: the proportions page, the summary and the tables share it.
using enum MessageKey;
constexpr MessageKey kClassNames[3][kClassCount] = {
    {ClassMeadows, ClassLakes, ClassForests, ClassSwamps, ClassSavannas, ClassSteppes, ClassDeserts,
     ClassMountains, ClassSnow, ClassMountainMeadows, None},
    {ClassPastures, ClassMoors, ClassForests, ClassLava1, ClassSteppes1, ClassSteppes2,
     ClassWasteland, ClassMountains, ClassLava2, ClassMountainMeadows, None},
    {ClassTundra, ClassLakes, ClassForests, ClassSmallIceFloes, ClassTundra2, ClassTaiga, ClassIce,
     ClassMountains, ClassLargeIceFloes, ClassSnow, None},
};
}  // namespace

void FillClassTables(ClassTables& t, int landscape_type) {
  const int type = landscape_type >= 0 && landscape_type <= 2 ? landscape_type : 0;
  t.ClassPreviewColour.fill(Rgb{});
  t.ClassPreviewColour[Lava] = {255, 49, 0};
  t.ClassPreviewColour[Mountain] = {156, 99, 0};
  t.ClassPreviewColour[kGraniteEntry] = {100, 100, 100};
  for (int i = 0; i < 9; ++i)
    t.ClassPreviewColour[kColouredClasses[i]] = kTypeColours[type][i];
  t.ClassBaseHeight = type == Winterland ? kBaseHeightWinter : kBaseHeight;
  t.ClassPropertyCode = kPropertyCode;
}

MessageKey ClassNameKey(int landscape_type, int terrain_class) {
  if (landscape_type < 0 || landscape_type > 2 || terrain_class < 0 ||
      terrain_class >= kClassCount) {
    return MessageKey::None;
  }
  return kClassNames[landscape_type][terrain_class];
}

MessageKey LandscapeTypeKey(int landscape_type) {
  switch (landscape_type) {
    case Gruenland:
      return MessageKey::TypeGruenland;
    case Oedland:
      return MessageKey::TypeOedland;
    case Winterland:
      return MessageKey::TypeWinterland;
    default:
      return MessageKey::None;
  }
}

const char* ClassName(int landscape_type, int terrain_class) {
  return GermanText(ClassNameKey(landscape_type, terrain_class));
}

const char* LandscapeTypeName(int landscape_type) {
  return GermanText(LandscapeTypeKey(landscape_type));
}

}  // namespace swd
