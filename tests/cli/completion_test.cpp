// The bash completion the build writes (and installs): sourced in bash, it offers what the
// program knows, from the same parser and table of settings.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "model/setting_table.hpp"

namespace swd {
namespace {

// What the completion puts into COMPREPLY for the words typed so far, the last the one being
// completed.
std::set<std::string> Completions(const std::string& words) {
  const std::string script = std::string("source '") + SWDGEN_COMPLETION + "'; COMP_WORDS=(" +
                             words +
                             "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                             "_swdgen; printf '%s\\n' \"${COMPREPLY[@]}\"";
  std::set<std::string> words_out;
  FILE* pipe = popen(("bash -s <<'EOF'\n" + script + "\nEOF\n").c_str(), "r");
  if (pipe == nullptr) return words_out;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string w(line);
    if (!w.empty() && w.back() == '\n') w.pop_back();
    if (!w.empty()) words_out.insert(w);
  }
  pclose(pipe);
  return words_out;
}

TEST(Completion, OffersTheCommandsTheOptionsAndEveryChoice) {
  EXPECT_EQ(Completions("swdgen ''"),
            (std::set<std::string>{"generate", "info", "render", "analyze", "--lang", "--help",
                                   "-h", "--version"}));
  std::set<std::string> shapes;
  for (const SettingChoice& choice : FindSetting("shape")->choices)
    shapes.insert(std::string(choice.key));
  EXPECT_EQ(Completions("swdgen generate --shape ''"), shapes);
  EXPECT_EQ(Completions("swdgen generate --shape sp"),
            (std::set<std::string>{"spirale", "spirale-ring", "spezial"}));
  EXPECT_EQ(Completions("swdgen --lang ''"), (std::set<std::string>{"de", "en"}));
  EXPECT_EQ(Completions("swdgen render a.swd --overlay ''"),
            (std::set<std::string>{"resources", "sites"}));
  // Every option of the table of settings, and the command line's own.
  const std::set<std::string> options = Completions("swdgen generate --");
  for (const SettingRow& row : SettingRows())
    EXPECT_TRUE(options.contains(OptionName(row))) << OptionName(row);
  for (const char* own : {"--out", "--seed", "--code", "--best-of", "--count", "--json"})
    EXPECT_TRUE(options.contains(own)) << own;
  EXPECT_FALSE(options.contains("completion"));
  // A number has nothing to offer; the hidden command is not offered.
  EXPECT_TRUE(Completions("swdgen generate --seed ''").empty());
  EXPECT_TRUE(Completions("swdgen comp").empty());
}

}  // namespace
}  // namespace swd
