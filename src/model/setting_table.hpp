#pragma once

// The table of settings: every setting a map maker can choose, declared once. The command
// line's options, their help and checks, the settings check, the wizard's control ranges
// and defaults, its summary page, the batch summary's "settings", the web page's form and
// address and the map code (map_code.hpp) are all made from these rows. A new setting is a
// row here, a field of GeneratorSettings and the step that reads it (README, "Settings").

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/messages.hpp"
#include "model/settings.hpp"

namespace swd {

enum class SettingType : std::uint8_t {
  Whole,    // a whole number lo..hi in steps of `step`
  Flag,     // on or off
  Choice,   // one of `choices`, stored as its index
  Picture,  // the picture file of "Spezial": a path, which no code or address can carry
};

// Where a setting is chosen in the wizard (and grouped on the web page).
enum class SettingPage : std::uint8_t {
  Size,
  Players,
  Shape,
  Coast,
  Proportions,
  Resources,
  Granite,
  TreeGroups,
  Animals,
  Save,
};

// How the members of one key are written as one option value: a single value, a list of all
// members ("5,5,3,7"), or member=value pairs ("2=8", an option that may be repeated).
enum class SettingForm : std::uint8_t { Single, List, Keyed };

struct SettingChoice {
  std::string_view key;  // as options, JSON and addresses name it
  MessageKey label;
};

// Reads and writes one setting of GeneratorSettings as a whole number (a flag 0 or 1, a
// choice its index).
struct SettingField {
  int (*get)(const GeneratorSettings&) = nullptr;
  void (*set)(GeneratorSettings&, int) = nullptr;
};

template <auto Member>
constexpr SettingField Field() {
  return {[](const GeneratorSettings& s) { return static_cast<int>(s.*Member); },
          [](GeneratorSettings& s, int v) {
            s.*Member = static_cast<std::remove_reference_t<decltype(s.*Member)>>(v);
          }};
}
template <auto Array, int Index>
constexpr SettingField Element() {
  return {[](const GeneratorSettings& s) { return (s.*Array)[Index]; },
          [](GeneratorSettings& s, int v) { (s.*Array)[Index] = v; }};
}
template <auto Member>
constexpr SettingField Share() {
  return {[](const GeneratorSettings& s) { return s.ResourceShares.*Member; },
          [](GeneratorSettings& s, int v) { s.ResourceShares.*Member = v; }};
}

struct SettingRow {
  // The key names the setting for every front end: the option --key (with '_' as '-'), the
  // key in JSON summaries, the key in the web page's address. Members of one key (the
  // classes of "amount", the four of "granite") share it and are told apart by `member`.
  std::string_view key;
  std::string_view member;  // empty for a key of one value
  SettingType type;
  int lo, hi, step, initial;  // a flag is 0..1, a choice 0..count-1
  MessageKey label;           // German in messages.hpp; the wizard's English in its .ts
  std::string_view english;   // the command line's help
  SettingPage page;
  SettingForm form;
  // The digit's place in the map code, 0 the least significant: the settings changed most
  // often come first, so that their codes stay short. A new setting takes the next place.
  int code_place;
  SettingField field;
  std::span<const SettingChoice> choices = {};
  // Takes effect only with "Erweiterte Einstellungen"; without, the run uses the default.
  bool only_extended = false;
};

// The pages that "Erweiterte Einstellungen" opens; on the command line any of their settings
// ticks it.
constexpr bool OnExtendedPage(SettingPage page) {
  return page != SettingPage::Size && page != SettingPage::Players && page != SettingPage::Save;
}

// The rows, in the order in which options, JSON and forms list them.
std::span<const SettingRow> SettingRows();

// The row of key and member in `rows`; null when there is none.
const SettingRow* FindSetting(std::string_view key, std::string_view member = {},
                              std::span<const SettingRow> rows = SettingRows());

// The rows of one key, in table order.
std::span<const SettingRow> RowsOfKey(std::string_view key,
                                      std::span<const SettingRow> rows = SettingRows());

// How many values the row allows, and a value's index among them (-1 if it is none).
int ValueCount(const SettingRow& row);
int ValueIndex(const SettingRow& row, int value);
inline int ValueAt(const SettingRow& row, int index) {
  return row.lo + index * row.step;
}

// The row's value in `s`; 0 for the picture.
int ValueOf(const SettingRow& row, const GeneratorSettings& s);
void SetValue(const SettingRow& row, GeneratorSettings& s, int value);

// The settings a run uses: without "Erweiterte Einstellungen" the rows that need them are
// at their defaults, and a picture belongs only to the "Spezial" shape.
GeneratorSettings EffectiveSettings(const GeneratorSettings& s);

// The value as an option, JSON or address writes it: a number, a flag "1" or "0", a
// choice's key. `ParseSettingText` reads it back; no value when the text is none of the
// row's values.
std::string SettingText(const SettingRow& row, int value);
std::optional<int> ParseSettingText(const SettingRow& row, std::string_view text);

// What the row accepts, for the command line: "32..256 in steps of 16", "gruenland, oedland
// or winterland".
Message AcceptedText(const SettingRow& row);

// The one option value of a key (all its members), as the command line takes it and the
// address writes it: "128", "5,5,3,7", for keyed members only those that differ from the
// default ("2=8,7=9"; empty when none does).
std::string KeyText(std::string_view key, const GeneratorSettings& s,
                    std::span<const SettingRow> rows = SettingRows());
// Reads one option value of `key` into `s`; returns what is wrong ("'x' is not valid; it
// accepts ..."), empty when it was read.
Message ReadKeyText(std::string_view key, std::string_view text, GeneratorSettings& s,
                    std::span<const SettingRow> rows = SettingRows());

// The option of a key as the command line names it: "--tree-groups"; a flag's is the one
// that changes it from its default ("--no-island", "--fair-starts").
std::string OptionName(const SettingRow& row);

// The German name of a setting's value for people: "128", "an", "Grünland".
Message ValueLabel(const SettingRow& row, int value);

}  // namespace swd
