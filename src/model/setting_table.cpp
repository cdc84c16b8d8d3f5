#include "model/setting_table.hpp"

#include <charconv>

namespace swd {

namespace {

using S = GeneratorSettings;
using T = SettingType;
using P = SettingPage;
using F = SettingForm;

constexpr SettingChoice kTypes[] = {
    {"gruenland", MessageKey::TypeGruenland},
    {"oedland", MessageKey::TypeOedland},
    {"winterland", MessageKey::TypeWinterland},
};

// In the order of LandShape.
constexpr SettingChoice kShapes[] = {
    {"insel", MessageKey::ShapeIsland},
    {"insel-sym", MessageKey::ShapeIslandSymmetric},
    {"spirale", MessageKey::ShapeSpiral},
    {"ring", MessageKey::ShapeRing},
    {"spirale-ring", MessageKey::ShapeSpiralWithRing},
    {"spezial", MessageKey::ShapePicture},
};

constexpr bool kOnlyExtended = true;

// The nine rows of the proportions page for one group, classes 0..7 and 9; `place` is the
// code place of class 0, the others follow.
#define SWD_CLASS_ROW(key, label, english, array, c, place)                          \
  SettingRow {                                                                       \
    key, #c, T::Whole, 0, 10, 1, 5, label, english, P::Proportions, F::Keyed, place, \
        Element<&S::array, c>()                                                      \
  }
#define SWD_CLASS_ROWS(key, label, english, array, place)      \
  SWD_CLASS_ROW(key, label, english, array, 0, place),         \
      SWD_CLASS_ROW(key, label, english, array, 1, place + 1), \
      SWD_CLASS_ROW(key, label, english, array, 2, place + 2), \
      SWD_CLASS_ROW(key, label, english, array, 3, place + 3), \
      SWD_CLASS_ROW(key, label, english, array, 4, place + 4), \
      SWD_CLASS_ROW(key, label, english, array, 5, place + 5), \
      SWD_CLASS_ROW(key, label, english, array, 6, place + 6), \
      SWD_CLASS_ROW(key, label, english, array, 7, place + 7), \
      SWD_CLASS_ROW(key, label, english, array, 9, place + 8)

// clang-format off
// key, member, type, lo, hi, step, default, label, English, page, form, code place, field
constexpr SettingRow kRows[] = {
    {"width", "", T::Whole, 32, 256, 16, 128, MessageKey::LabelWidth, "map width", P::Size,
     F::Single, 0, Field<&S::MapWidth>()},
    {"height", "", T::Whole, 32, 256, 16, 128, MessageKey::LabelHeight, "map height", P::Size,
     F::Single, 1, Field<&S::MapHeight>()},
    {"type", "", T::Choice, 0, 2, 1, 0, MessageKey::LabelType, "landscape type", P::Players,
     F::Single, 2, Field<&S::LandscapeType>(), kTypes},
    {"players", "", T::Whole, 1, 7, 1, 3, MessageKey::LabelPlayers, "number of players", P::Players,
     F::Single, 3, Field<&S::PlayerCount>()},
    {"island", "", T::Flag, 0, 1, 1, 1, MessageKey::LabelIsland, "sea round the land (Insel)",
     P::Size, F::Single, 4, Field<&S::CheckInsel>()},
    {"extended", "", T::Flag, 0, 1, 1, 0, MessageKey::LabelExtended,
     "the extended settings (Erweiterte Einstellungen); any of them implies it", P::Size, F::Single,
     5, Field<&S::CheckErwEinst>()},
    {"area_variant", "", T::Flag, 0, 1, 1, 0, MessageKey::LabelAreaVariant,
     "region sizes drawn per region (Flächen-variante)", P::Proportions, F::Single, 12,
     Field<&S::CheckFlaechenvariante>()},
    {"shape", "", T::Choice, 0, 5, 1, 0, MessageKey::LabelShape, "base shape", P::Shape, F::Single,
     9, Field<&S::land_shape>(), kShapes, kOnlyExtended},
    {"picture", "", T::Picture, 0, 0, 1, 0, MessageKey::LabelPicture,
     "8-bit BMP of the map's size that the spezial shape builds the land from", P::Shape,
     F::Single, 10, {}, {}, kOnlyExtended},
    {"coast", "", T::Whole, 0, 10, 1, 5, MessageKey::SliderCoast, "coast roughness", P::Coast,
     F::Single, 11, Field<&S::CoastRoughness>()},
    SWD_CLASS_ROWS("amount", MessageKey::SliderAmount, "amount", Slider1, 28),
    SWD_CLASS_ROWS("size", MessageKey::SliderSize, "region size", Slider2, 37),
    SWD_CLASS_ROWS("decoration", MessageKey::SliderDecoration, "decoration", Slider3, 46),
    {"resources", "coal", T::Whole, 0, 100, 1, 54, MessageKey::TreasureCoal, "coal %",
     P::Resources, F::List, 14, Share<&ResourceShareSet::coal>(), {}, kOnlyExtended},
    {"resources", "gold", T::Whole, 0, 100, 1, 15, MessageKey::TreasureGold, "gold %",
     P::Resources, F::List, 15, Share<&ResourceShareSet::gold>(), {}, kOnlyExtended},
    {"resources", "iron", T::Whole, 0, 100, 1, 26, MessageKey::TreasureIron, "iron %",
     P::Resources, F::List, 16, Share<&ResourceShareSet::iron>(), {}, kOnlyExtended},
    {"resources", "granite", T::Whole, 0, 100, 1, 5, MessageKey::TreasureGranite, "granite %",
     P::Resources, F::List, 17, Share<&ResourceShareSet::granite>(), {}, kOnlyExtended},
    {"granite", "large_count", T::Whole, 0, 10, 1, 5, MessageKey::SliderLargeGraniteCount,
     "large fields: count", P::Granite, F::List, 18, Field<&S::SliderGrGranitAz>()},
    {"granite", "large_size", T::Whole, 0, 10, 1, 5, MessageKey::SliderLargeGraniteSize,
     "large fields: size", P::Granite, F::List, 19, Field<&S::SliderGrGranitAus>()},
    {"granite", "small_count", T::Whole, 0, 15, 1, 3, MessageKey::SliderSmallGraniteCount,
     "small deposits: frequency", P::Granite, F::List, 20, Field<&S::SliderKlGranitAz>()},
    {"granite", "small_size", T::Whole, 0, 10, 1, 7, MessageKey::SliderSmallGraniteFill,
     "small deposits: fill", P::Granite, F::List, 21, Field<&S::SliderKlGranitAus>()},
    {"tree_groups", "", T::Whole, 0, 15, 1, 4, MessageKey::SliderTreeGroups, "small tree groups",
     P::TreeGroups, F::Single, 13, Field<&S::SliderBaumgruppen>()},
    {"animals", "hasen", T::Whole, 0, 20, 1, 2, MessageKey::AnimalHares, "hares", P::Animals,
     F::List, 22, Element<&S::SliderTiere, 1>()},
    {"animals", "fuechse", T::Whole, 0, 20, 1, 2, MessageKey::AnimalFoxes, "foxes", P::Animals,
     F::List, 23, Element<&S::SliderTiere, 2>()},
    {"animals", "hirsche", T::Whole, 0, 20, 1, 2, MessageKey::AnimalStags, "stags", P::Animals,
     F::List, 24, Element<&S::SliderTiere, 3>()},
    {"animals", "rehe", T::Whole, 0, 20, 1, 2, MessageKey::AnimalDeer, "deer", P::Animals, F::List,
     25, Element<&S::SliderTiere, 4>()},
    {"animals", "enten", T::Whole, 0, 20, 1, 2, MessageKey::AnimalDucks, "ducks", P::Animals,
     F::List, 26, Element<&S::SliderTiere, 5>()},
    {"animals", "schafe", T::Whole, 0, 20, 1, 2, MessageKey::AnimalSheep, "sheep", P::Animals,
     F::List, 27, Element<&S::SliderTiere, 6>()},
    {"start_objects", "", T::Flag, 0, 1, 1, 1, MessageKey::LabelStartObjects,
     "the start positions as objects, as the game's editor writes them (Return to the Roots "
     "starts a game only with them)",
     P::Save, F::Single, 8, Field<&S::start_objects>()},
    {"harbours", "", T::Flag, 0, 1, 1, 1, MessageKey::LabelHarbours,
     "harbour places where the sea parts the players", P::Players, F::Single, 7,
     Field<&S::harbours>()},
    {"fair_starts", "", T::Flag, 0, 1, 1, 0, MessageKey::LabelFairStarts,
     "start positions chosen on the finished landscape to make them fair, with wood and stone "
     "added where a start lacks them",
     P::Players, F::Single, 6, Field<&S::fair_starts>()},
};
// clang-format on

#undef SWD_CLASS_ROWS
#undef SWD_CLASS_ROW

std::string Dashed(std::string_view key) {
  std::string s(key);
  for (char& c : s) {
    if (c == '_') c = '-';
  }
  return s;
}

Message Invalid(std::string_view text, Message accepts) {
  return {MessageKey::CliInvalid, {Message::Verbatim(std::string(text)), std::move(accepts)}};
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto comma = text.find(',');
    parts.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace

std::span<const SettingRow> SettingRows() {
  return kRows;
}

GeneratorSettings::GeneratorSettings() {
  // The classes without a row keep the level the rows start at.
  for (auto* levels : {&Slider1, &Slider2, &Slider3})
    levels->fill(FindSetting("amount", "0")->initial);
  for (const SettingRow& row : kRows) {
    if (row.field.set != nullptr) row.field.set(*this, row.initial);
  }
}

const SettingRow* FindSetting(std::string_view key, std::string_view member,
                              std::span<const SettingRow> rows) {
  for (const SettingRow& row : rows) {
    if (row.key == key && row.member == member) return &row;
  }
  return nullptr;
}

std::span<const SettingRow> RowsOfKey(std::string_view key, std::span<const SettingRow> rows) {
  std::size_t first = 0;
  while (first < rows.size() && rows[first].key != key)
    ++first;
  std::size_t last = first;
  while (last < rows.size() && rows[last].key == key)
    ++last;
  return rows.subspan(first, last - first);
}

int ValueCount(const SettingRow& row) {
  return row.type == SettingType::Picture ? 0 : (row.hi - row.lo) / row.step + 1;
}

int ValueIndex(const SettingRow& row, int value) {
  if (value < row.lo || value > row.hi || (value - row.lo) % row.step != 0) return -1;
  return (value - row.lo) / row.step;
}

int ValueOf(const SettingRow& row, const GeneratorSettings& s) {
  return row.field.get != nullptr ? row.field.get(s) : 0;
}

void SetValue(const SettingRow& row, GeneratorSettings& s, int value) {
  if (row.field.set != nullptr) row.field.set(s, value);
}

GeneratorSettings EffectiveSettings(const GeneratorSettings& s) {
  GeneratorSettings e = s;
  if (!e.CheckErwEinst) {
    for (const SettingRow& row : kRows) {
      if (row.only_extended) SetValue(row, e, row.initial);
    }
  }
  if (e.land_shape != LandShape::Picture) e.PicturePath.clear();
  return e;
}

std::string SettingText(const SettingRow& row, int value) {
  switch (row.type) {
    case SettingType::Flag:
      return value != 0 ? "1" : "0";
    case SettingType::Choice:
      return value >= 0 && value < static_cast<int>(row.choices.size())
                 ? std::string(row.choices[value].key)
                 : std::to_string(value);
    case SettingType::Whole:
    case SettingType::Picture:
      break;
  }
  return std::to_string(value);
}

std::optional<int> ParseSettingText(const SettingRow& row, std::string_view text) {
  if (row.type == SettingType::Choice) {
    for (std::size_t i = 0; i < row.choices.size(); ++i) {
      if (row.choices[i].key == text) return static_cast<int>(i);
    }
    return std::nullopt;
  }
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || ValueIndex(row, value) < 0) {
    return std::nullopt;
  }
  return value;
}

Message AcceptedText(const SettingRow& row) {
  switch (row.type) {
    case SettingType::Flag:
      return MessageKey::AcceptsFlag;
    case SettingType::Choice: {
      std::string all_but_last;
      for (std::size_t i = 0; i + 1 < row.choices.size(); ++i)
        all_but_last += (i == 0 ? "" : ", ") + std::string(row.choices[i].key);
      return {MessageKey::AcceptsEither,
              {Message::Verbatim(all_but_last),
               Message::Verbatim(std::string(row.choices.back().key))}};
    }
    case SettingType::Picture:
      return MessageKey::AcceptsFileName;
    case SettingType::Whole:
      break;
  }
  if (row.step == 1) {
    return Message::Verbatim(std::to_string(row.lo) + ".." + std::to_string(row.hi));
  }
  return {MessageKey::AcceptsRangeSteps,
          {Message::Number(row.lo), Message::Number(row.hi), Message::Number(row.step)}};
}

std::string KeyText(std::string_view key, const GeneratorSettings& s,
                    std::span<const SettingRow> rows) {
  std::string text;
  for (const SettingRow& row : RowsOfKey(key, rows)) {
    const int value = ValueOf(row, s);
    if (row.form == SettingForm::Keyed) {
      if (value == row.initial) continue;
      text += (text.empty() ? "" : ",") + std::string(row.member) + "=" + SettingText(row, value);
    } else if (row.type == SettingType::Picture) {
      text = s.PicturePath;
    } else {
      text += (text.empty() ? "" : ",") + SettingText(row, value);
    }
  }
  return text;
}

Message ReadKeyText(std::string_view key, std::string_view text, GeneratorSettings& s,
                    std::span<const SettingRow> rows) {
  const std::span<const SettingRow> members = RowsOfKey(key, rows);
  if (members.empty()) return Message::Verbatim("no such setting");
  const SettingRow& first = members.front();
  if (first.type == SettingType::Picture) {
    s.PicturePath = std::string(text);
    return {};
  }
  if (first.form == SettingForm::Keyed) {
    std::string classes;
    for (const SettingRow& row : members)
      classes += (classes.empty() ? "" : ", ") + std::string(row.member);
    const Message accepts(MessageKey::AcceptsClassLevels,
                          {Message::Verbatim(classes), AcceptedText(first)});
    for (const std::string_view item : SplitCommas(text)) {
      const auto eq = item.find('=');
      const SettingRow* row =
          eq == std::string_view::npos ? nullptr : FindSetting(key, item.substr(0, eq), members);
      const auto value = row ? ParseSettingText(*row, item.substr(eq + 1)) : std::nullopt;
      if (!value) return Invalid(text, accepts);
      SetValue(*row, s, *value);
    }
    return {};
  }
  // "map width 32..256 in steps of 16"; for several members, how many and each of them.
  Message accepts;
  for (const SettingRow& row : members) {
    const Message one(MessageKey::AcceptsLabelled, {row.label, AcceptedText(row)});
    accepts = accepts.empty() ? one : Message(MessageKey::ListMore, {std::move(accepts), one});
  }
  if (members.size() > 1) {
    accepts = {MessageKey::AcceptsValues,
               {Message::Number(static_cast<long long>(members.size())), std::move(accepts)}};
  }
  const auto parts = SplitCommas(text);
  if (parts.size() != members.size()) return Invalid(text, accepts);
  GeneratorSettings read = s;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const auto value = ParseSettingText(members[i], parts[i]);
    if (!value) return Invalid(text, accepts);
    SetValue(members[i], read, *value);
  }
  s = read;
  return {};
}

std::string OptionName(const SettingRow& row) {
  if (row.type == SettingType::Flag && row.initial != 0) return "--no-" + Dashed(row.key);
  return "--" + Dashed(row.key);
}

Message ValueLabel(const SettingRow& row, int value) {
  switch (row.type) {
    case SettingType::Flag:
      return value != 0 ? MessageKey::ValueOn : MessageKey::ValueOff;
    case SettingType::Choice:
      if (value >= 0 && value < static_cast<int>(row.choices.size())) {
        return row.choices[value].label;
      }
      break;
    case SettingType::Whole:
    case SettingType::Picture:
      break;
  }
  return Message::Number(value);
}

}  // namespace swd
