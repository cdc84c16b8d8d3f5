#include "wizard/summary_texts.hpp"

#include "model/tables.hpp"
#include "wizard/page_texts.hpp"

namespace swd::wizard {

namespace {

// Classes the generator sets by itself, without "Anzahl" and "Größe".
bool SetAutomatically(int landscape_type, int terrain_class) {
  if (terrain_class == 0 || terrain_class == 5 || terrain_class == 8 || terrain_class == 9) {
    return true;
  }
  return landscape_type == Winterland && (terrain_class == 3 || terrain_class == 6);
}

// One word for a slider level 0..10: below 3, 3 to 7, 8 or more.
const char* Word(int level, const char* low, const char* middle, const char* high) {
  if (level < 3) return low;
  return level <= 7 ? middle : high;
}

}  // namespace

QString ShapeLine(const GeneratorSettings& s) {
  const char* name = "Insel";
  if (s.ShapeCode == 0) {
    name = s.SymmetricBase != 0 ? "Insel (sym.)" : "Insel";
  } else if (s.ShapeCode == 1) {
    name = "Spirale";
  } else if (s.ShapeCode == 2) {
    name = "Ring";
  } else if (s.ShapeCode == 3) {
    name = "Spirale mit Ring";
  } else if (s.ShapeCode == 4) {
    name = "Spezial";
  }
  return QString("Grundform: ") + name;
}

SummaryTexts BuildSummary(const GeneratorSettings& s) {
  SummaryTexts t;
  const int type = s.LandscapeType;
  t.general << QString("Typ: ") + LandscapeTypeName(type)
            << "Größe:" + Str(s.MapWidth) + " x" + Str(s.MapHeight) << ShapeLine(s)
            << "für" + Str(s.PlayerCount) + " Spieler ";
  const ResourceShareSet& r = s.ResourceShares;
  t.resources << "Kohle : " + Str(r.coal) + "%"
              << "Gold  : " + Str(r.gold) + "%"
              << "Eisen : " + Str(r.iron) + "%"
              << "Granit: " + Str(r.granite) + "%";
  for (int c = 0; c <= 9; ++c) {
    QString words = "automatisch";
    if (!SetAutomatically(type, c)) {
      words = QString(Word(s.Slider1[c], "wenige", "normal", "viele")) + "/" +
              Word(s.Slider2[c], "klein", "mittelgroß", "groß");
    }
    t.terrain << QString(ClassName(type, c)) + ": " + words;
  }
  return t;
}

}  // namespace swd::wizard
