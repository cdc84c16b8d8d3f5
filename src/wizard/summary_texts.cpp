#include "wizard/summary_texts.hpp"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

#include "model/setting_table.hpp"
#include "model/tables.hpp"
#include "wizard/message_text.hpp"
#include "wizard/page_texts.hpp"
#include "wizard/shape_page.hpp"

namespace swd::wizard {

namespace {

constexpr const char* kContext = "swd::wizard::SummaryPage";

QString Translated(const char* text) {
  return QCoreApplication::translate(kContext, text);
}

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
  const QString name = ShapeName(s.land_shape);
  if (s.land_shape == LandShape::Picture && !s.PicturePath.empty()) {
    // The picture by its file name: the whole path rarely fits the group's width.
    return QCoreApplication::translate("swd::wizard::SummaryPage", "Grundform: %1 (%2)")
        .arg(name, QFileInfo(QString::fromStdString(s.PicturePath)).fileName());
  }
  return QCoreApplication::translate("swd::wizard::SummaryPage", "Grundform: %1").arg(name);
}

namespace {

// Whether a row has its own lines in the first three groups.
bool ShownAbove(const SettingRow& row) {
  static constexpr std::string_view kAbove[] = {"width",   "height", "type",
                                                "players", "shape",  "picture"};
  return (row.page == SettingPage::Proportions && row.form == SettingForm::Keyed) ||
         row.page == SettingPage::Resources ||
         std::find(std::begin(kAbove), std::end(kAbove), row.key) != std::end(kAbove);
}

}  // namespace

SummaryTexts BuildSummary(const GeneratorSettings& s) {
  SummaryTexts t;
  const int type = s.LandscapeType;
  t.general << QCoreApplication::translate("swd::wizard::SummaryPage", "Typ: %1")
                   .arg(Text(LandscapeTypeKey(type)))
            << QCoreApplication::translate("swd::wizard::SummaryPage", "Größe:%1 x%2")
                   .arg(Str(s.MapWidth), Str(s.MapHeight))
            << ShapeLine(s)
            << QCoreApplication::translate("swd::wizard::SummaryPage", "für%1 Spieler ")
                   .arg(Str(s.PlayerCount));
  const ResourceShareSet& r = s.ResourceShares;
  t.resources
      << QCoreApplication::translate("swd::wizard::SummaryPage", "Kohle : %1%").arg(Str(r.coal))
      << QCoreApplication::translate("swd::wizard::SummaryPage", "Gold  : %1%").arg(Str(r.gold))
      << QCoreApplication::translate("swd::wizard::SummaryPage", "Eisen : %1%").arg(Str(r.iron))
      << QCoreApplication::translate("swd::wizard::SummaryPage", "Granit: %1%").arg(Str(r.granite));
  for (int c = 0; c <= 9; ++c) {
    QString words = QCoreApplication::translate("swd::wizard::SummaryPage", "automatisch");
    if (!SetAutomatically(type, c)) {
      words = Translated(Word(s.Slider1[c], QT_TRANSLATE_NOOP("swd::wizard::SummaryPage", "wenige"),
                              QT_TRANSLATE_NOOP("swd::wizard::SummaryPage", "normal"),
                              QT_TRANSLATE_NOOP("swd::wizard::SummaryPage", "viele"))) +
              "/" +
              Translated(Word(s.Slider2[c], QT_TRANSLATE_NOOP("swd::wizard::SummaryPage", "klein"),
                              QT_TRANSLATE_NOOP("swd::wizard::SummaryPage", "mittelgroß"),
                              QT_TRANSLATE_NOOP("swd::wizard::SummaryPage", "groß")));
    }
    t.terrain << Text(ClassNameKey(type, c)) + ": " + words;
  }
  for (const SettingRow& row : SettingRows()) {
    if (!ShownAbove(row)) t.more << Text(row.label) + ": " + Text(ValueLabel(row, ValueOf(row, s)));
  }
  return t;
}

}  // namespace swd::wizard
