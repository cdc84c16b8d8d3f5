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

// The help line: what the setting is, what it accepts and its default.
std::string Help(std::span<const SettingRow> members) {
  const SettingRow& first = members.front();
  if (first.type == SettingType::Flag) {
    return (first.initial != 0 ? "leave out " : "") + std::string(first.english);
  }
  if (first.type == SettingType::Picture) return std::string(first.english);
  if (first.form == SettingForm::Keyed) {
    std::string classes;
    for (const SettingRow& row : members)
      classes += (classes.empty() ? "" : ",") + std::string(row.member);
    return std::string(first.english) + " of class C (" + classes +
           "): " + Say(AcceptedText(first), Language::English) + " (default " +
           SettingText(first, first.initial) + "); repeatable or C=L,C=L";
  }
  std::string help;
  std::string defaults;
  for (const SettingRow& row : members) {
    help += (help.empty() ? "" : ", ") + std::string(row.english) + ": " +
            Say(AcceptedText(row), Language::English);
    defaults += (defaults.empty() ? "" : ",") + SettingText(row, row.initial);
  }
  return help + " (default " + defaults + ")";
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
          Help(members));
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
                  Help(members))
            : generate.add_option_function<std::string>(
                  OptionName(first),
                  [&args, key](const std::string& value) { args.settings[key] = {value}; },
                  Help(members));
    option->type_name(TypeName(members))->allow_extra_args(false);
  }
}

}  // namespace swd::cli
