#include "cli/setting_options.hpp"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <vector>

#include "cli/batch_summary.hpp"

namespace swd::cli {
namespace {

// A setting that exists only as a row of the table (it borrows the coast's field): the
// command line's option, its help, its check, the batch summary's settings and the text an
// address holds all follow from the row alone.
TEST(SettingOptions, ASettingAddedToTheTableAloneReachesEveryFrontEnd) {
  std::vector<SettingRow> rows(SettingRows().begin(), SettingRows().end());
  rows.push_back({"test_depth", "", SettingType::Whole, 0, 9, 3, 3, MessageKey::SliderCoast,
                  "a setting only this test knows", SettingPage::Coast, SettingForm::Single,
                  static_cast<int>(rows.size()), Field<&GeneratorSettings::CoastRoughness>()});

  CLI::App app;
  GenerateArgs args;
  AddSettingOptions(app, args, rows);
  const std::string help = app.help();
  EXPECT_NE(help.find("--test-depth"), std::string::npos) << help;
  EXPECT_NE(help.find("a setting only this test knows"), std::string::npos) << help;

  std::vector<std::string> given{"6", "--test-depth"};  // CLI11 reads them from the back
  app.parse(given);
  EXPECT_EQ(args.settings["test_depth"], std::vector<std::string>{"6"});
  args.out = "karte.swd";
  const Checked checked = CheckGenerateArgs(args, rows);
  ASSERT_TRUE(checked.request) << checked.error.German();
  EXPECT_EQ(checked.request->settings.CoastRoughness, 6);

  args.settings["test_depth"] = {"5"};
  const Checked refused = CheckGenerateArgs(args, rows);
  EXPECT_FALSE(refused.request);
  const std::string said = Say(refused.error, Language::English);
  EXPECT_NE(said.find("--test-depth"), std::string::npos) << said;

  GeneratorSettings s;
  s.CoastRoughness = 9;
  bool in_summary = false;
  for (const Setting& setting : SettingsOf("Titel", s, rows))
    in_summary |= setting.key == "test_depth";
  EXPECT_TRUE(in_summary);
  EXPECT_EQ(KeyText("test_depth", s, rows), "9");
}

}  // namespace
}  // namespace swd::cli
