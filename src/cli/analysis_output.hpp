#pragma once

#include <array>
#include <iosfwd>
#include <string>

#include "analysis/map_analysis.hpp"
#include "cli/language.hpp"
#include "mapfile/swd_format.hpp"

namespace swd::cli {

// How `swdgen analyze` shows a map's analysis: a table to read, or JSON to process (the
// schema is in README.md, "swdgen analyze").
void WriteAnalysisTable(const SwdHeader& header, const MapAnalysis& analysis, Language language,
                        std::ostream& out);
void WriteAnalysisJson(const SwdHeader& header, const MapAnalysis& analysis, std::ostream& out);

// Names of the map-wide counts, in the order of their arrays: the key in JSON and the label
// in the table.
struct CountName {
  const char* key;
  const char* label;
};
inline constexpr std::array<CountName, kTerrainKindCount> kTerrainNames{
    {{"buildable", "buildable"},
     {"mountain", "mountain"},
     {"desert", "desert"},
     {"water", "water"},
     {"swamp", "swamp"},
     {"snow_or_lava", "snow or lava"},
     {"unknown", "unknown"}}};
inline constexpr std::array<CountName, kResourceKindCount> kResourceNames{{{"", ""},
                                                                           {"water", "water"},
                                                                           {"coal", "coal"},
                                                                           {"iron", "iron"},
                                                                           {"gold", "gold"},
                                                                           {"granite", "granite"},
                                                                           {"fish", "fish"}}};
inline constexpr std::array<CountName, 7> kAnimalNames{{{"", ""},
                                                        {"hasen", "Hasen"},
                                                        {"fuechse", "Füchse"},
                                                        {"hirsche", "Hirsche"},
                                                        {"rehe", "Rehe"},
                                                        {"enten", "Enten"},
                                                        {"schafe", "Schafe"}}};

// The map code the header's author field holds (as swdgen writes it where it fits); empty when
// the field holds none.
std::string MapCodeOf(const SwdHeader& header);

// A JSON string literal of the UTF-8 text, quotes and control characters escaped.
std::string JsonString(const std::string& text);
// The landscape type as --type names it: gruenland, oedland, winterland ("unknown" else).
const char* LandscapeTypeKey(int landscape_type);

// `value` with at most `decimals` decimals and no trailing zeros: 12, 12.5, 0.333.
std::string FormatNumber(double value, int decimals);
// A number as German readers write it, with a decimal comma: "0.870" becomes "0,870".
std::string WithDecimalComma(std::string number);

}  // namespace swd::cli
