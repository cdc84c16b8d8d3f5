#pragma once

#include <QStringList>

#include "model/settings.hpp"

namespace swd::wizard {

// The lines of the summary page's three groups.
struct SummaryTexts {
  QStringList general;    // "Allgemeines"
  QStringList resources;  // "Rohstoffvorkommen"
  QStringList terrain;    // "Geländetypen (Anzahl/Größe)"
  QStringList more;       // "Weitere Einstellungen": every other setting of the table
};

SummaryTexts BuildSummary(const GeneratorSettings& s);

// "Grundform: ..." for the chosen base shape; "Spezial (NAME.bmp)" for the picture shape.
QString ShapeLine(const GeneratorSettings& s);

}  // namespace swd::wizard
