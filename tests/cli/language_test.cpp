// The command line's one language at a time: chosen from the locale or --lang, every key with
// its English from the wizard's translation file, built in at build time.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "cli/language.hpp"
#include "support/in_process.hpp"

namespace swd::cli {
namespace {

std::set<char> Placeholders(std::string_view pattern) {
  std::set<char> digits;
  for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
    if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      digits.insert(pattern[i + 1]);
    }
  }
  return digits;
}

TEST(Language, EveryKeyHasEnglishWithTheSameArguments) {
  for (const MessageEntry& entry : kMessageTable) {
    const std::string_view english = EnglishPattern(entry.key);
    EXPECT_FALSE(english.empty()) << entry.name << " has no English";
    EXPECT_EQ(Placeholders(english), Placeholders(entry.german)) << entry.name;
  }
  EXPECT_TRUE(EnglishPattern(MessageKey::None).empty());
}

TEST(Language, ComesFromTheLocaleAsPosixRanksItsVariables) {
  const struct {
    std::map<std::string, std::string> variables;
    Language expected;
  } cases[] = {
      {{}, Language::English},
      {{{"LANG", "de_DE.UTF-8"}}, Language::German},
      {{{"LANG", "de_AT"}}, Language::German},
      {{{"LANG", "en_GB.UTF-8"}}, Language::English},
      {{{"LANG", "C.UTF-8"}}, Language::English},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Language::English},
      {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "de_CH.UTF-8"}}, Language::German},
      {{{"LC_ALL", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Language::German},
      {{{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, Language::English},
      // An empty variable counts as unset.
      {{{"LC_ALL", ""}, {"LANG", "de_DE.UTF-8"}}, Language::German},
  };
  for (const auto& c : cases) {
    const Language got = LanguageOfLocale([&](const char* name) -> const char* {
      const auto it = c.variables.find(name);
      return it == c.variables.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(got, c.expected) << (c.variables.empty() ? "" : c.variables.begin()->second);
  }
}

TEST(Language, LangChoosesWhereverItStandsAndOnlyDeOrEn) {
  using test::RunSwdgen;
  // The tests run with LC_ALL=C.UTF-8 (tests/CMakeLists.txt): English unless --lang says.
  EXPECT_EQ(
      RunSwdgen({"generate", "--width", "33"}).err.rfind("swdgen: --width: '33' is not valid", 0),
      0u);
  for (const auto& args : {std::vector<std::string>{"--lang", "de", "generate", "--width", "33"},
                           {"generate", "--width", "33", "--lang", "de"},
                           {"generate", "--lang=de", "--width", "33"}}) {
    const test::CommandRun run = RunSwdgen(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("swdgen: --width: „33“ geht nicht; möglich ist Kartenbreite 32..256 in "
                            "Schritten von 16\n",
                            0),
              0u)
        << run.err;
  }
  const test::CommandRun french = RunSwdgen({"--lang", "fr", "info", "x.swd"});
  EXPECT_EQ(french.status, 2);
  EXPECT_EQ(french.err, "swdgen: --lang: 'fr' is not valid; it accepts de or en\n");
  // The lines of a command too.
  const test::CommandRun help = RunSwdgen({"--lang", "de", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Aufruf:"), std::string::npos) << help.out;
  // The help of a command: its own options' texts and those of the table of settings.
  for (const Language language : {Language::German, Language::English}) {
    const std::string text =
        RunSwdgen({"--lang", language == Language::German ? "de" : "en", "generate", "--help"}).out;
    const Language other = language == Language::German ? Language::English : Language::German;
    for (const MessageKey key :
         {MessageKey::HelpOut, MessageKey::HelpBestOf, MessageKey::HelpHelp}) {
      EXPECT_NE(text.find(Say(key, language)), std::string::npos) << FindMessage(key)->name;
      EXPECT_EQ(text.find(Say(key, other)), std::string::npos) << FindMessage(key)->name;
    }
    EXPECT_EQ(
        text.find("Kartenbreite: 32..256 in Schritten von 16 (Vorgabe 128)") != std::string::npos,
        language == Language::German)
        << text;
  }
}

}  // namespace
}  // namespace swd::cli
