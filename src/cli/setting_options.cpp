#include "cli/setting_options.hpp"

#include <CLI/CLI.hpp>

namespace swd::cli {

namespace {

// The type of an option's value in the help: "INT", "{gruenland,oedland,winterland}",
// "INT,INT,INT,INT", "C=INT".
std::string TypeName(std::span<const SettingRow> members) {
  const SettingRow& first = members.front();
  auto one = [](const SettingRow& row) -> std::string {
    if (row.type != SettingType::Choice) return "INT";
    std::string names;
    for (const SettingChoice& c : row.choices)
      names += (names.empty() ? "" : ",") + std::string(c.key);
    return "{" + names + "}";
  };
  if (first.type == SettingType::Picture) return "FILE";
  if (first.form == SettingForm::Keyed) return "C=INT";
  std::string type;
  for (const SettingRow& row : members)
    type += (type.empty() ? "" : ",") + one(row);
  return type;
}

// The help line: what the setting is, what it accepts and its default; in English in the
// table's own words for the command line, in German by the setting's label.
std::string Help(std::span<const SettingRow> members, Language language) {
  const auto what = [&](const SettingRow& row) {
    return language == Language::English ? Message::Verbatim(std::string(row.english))
                                         : Message(row.label);
  };
  const SettingRow& first = members.front();
  if (first.type == SettingType::Flag) {
    return Say(first.initial != 0 ? Message(MessageKey::HelpFlagOff, {what(first)}) : what(first),
               language);
  }
  if (first.type == SettingType::Picture) return Say(what(first), language);
  if (first.form == SettingForm::Keyed) {
    std::string classes;
    for (const SettingRow& row : members)
      classes += (classes.empty() ? "" : ",") + std::string(row.member);
    return Say({MessageKey::HelpClassLevels,
                {what(first), Message::Verbatim(classes), AcceptedText(first),
                 Message::Verbatim(SettingText(first, first.initial))}},
               language);
  }
  // "a: 1..9, b: 0..5 (default 1,2)": the last member's accepted values and the defaults fill
  // the pattern of one setting.
  Message described;
  std::string defaults;
  for (std::size_t i = 0; i < members.size(); ++i) {
    const SettingRow& row = members[i];
    const bool last = i + 1 == members.size();
    const Message part =
        last ? what(row) : Message(MessageKey::CliOption, {what(row), AcceptedText(row)});
    described = described.empty() ? part : Message(MessageKey::ListMore, {described, part});
    defaults += (defaults.empty() ? "" : ",") + SettingText(row, row.initial);
  }
  return Say({MessageKey::HelpSetting,
              {described, AcceptedText(members.back()), Message::Verbatim(defaults)}},
             language);
}

}  // namespace

void AddSettingOptions(CLI::App& generate, GenerateArgs& args, std::span<const SettingRow> rows) {
  for (std::size_t i = 0; i < rows.size();) {
    const std::span<const SettingRow> members = RowsOfKey(rows[i].key, rows.subspan(i));
    i += members.size();
    const SettingRow& first = members.front();
    const std::string key(first.key);
    if (first.type == SettingType::Flag) {
      const bool on_by_default = first.initial != 0;
      const std::string other = on_by_default ? "--" + OptionName(first).substr(5)
                                              : "--no-" + OptionName(first).substr(2);
      generate.add_flag_callback(
          OptionName(first),
          [&args, key, on_by_default] { args.settings[key].push_back(on_by_default ? "0" : "1"); },
          Help(members, args.language));
      generate
          .add_flag_callback(
              other,
              [&args, key, on_by_default] {
                args.settings[key].push_back(on_by_default ? "1" : "0");
              },
              "")
          ->group("");
      continue;
    }
    CLI::Option* option =
        first.form == SettingForm::Keyed
            ? generate.add_option_function<std::vector<std::string>>(
                  OptionName(first),
                  [&args, key](const std::vector<std::string>& values) {
                    auto& given = args.settings[key];
                    given.insert(given.end(), values.begin(), values.end());
                  },
                  Help(members, args.language))
            : generate.add_option_function<std::string>(
                  OptionName(first),
                  [&args, key](const std::string& value) { args.settings[key] = {value}; },
                  Help(members, args.language));
    option->type_name(TypeName(members))->allow_extra_args(false);
  }
}

}  // namespace swd::cli
