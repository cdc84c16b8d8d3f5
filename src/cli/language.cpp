#include "cli/language.hpp"

#include <algorithm>
#include <array>
#include <ostream>

namespace swd::cli {

namespace {

struct EnglishRow {
  std::string_view key;
  std::string_view english;
};

// Made at build time from src/wizard/translations/swdgen_messages_en.ts.
constexpr EnglishRow kEnglishRows[] = {
#include "english_messages.inc"
};

// The English rows by key, in the table's order; empty views for keys without English.
using EnglishByKey = std::array<std::string_view, std::size(kMessageTable) + 1>;
EnglishByKey MakeEnglishByKey() {
  EnglishByKey by_key{};
  for (const MessageEntry& entry : kMessageTable) {
    for (const EnglishRow& row : kEnglishRows) {
      if (row.key == entry.name) by_key[static_cast<std::size_t>(entry.key)] = row.english;
    }
  }
  return by_key;
}

}  // namespace

std::optional<Language> LanguageNamed(std::string_view name) {
  if (name == "de") return Language::German;
  if (name == "en") return Language::English;
  return std::nullopt;
}

Language LanguageOfLocale(const std::function<const char*(const char*)>& variable) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = variable(name);
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).starts_with("de") ? Language::German : Language::English;
  }
  return Language::English;
}

std::string_view EnglishPattern(MessageKey key) {
  static const EnglishByKey by_key = MakeEnglishByKey();
  const auto index = static_cast<std::size_t>(key);
  return index < by_key.size() ? by_key[index] : std::string_view();
}

std::string Say(const Message& message, Language language) {
  if (language == Language::German) return message.German();
  return message.Render([](const MessageEntry& entry) {
    const std::string_view english = EnglishPattern(entry.key);
    return english.empty() ? entry.german : english;
  });
}

void Complain(std::ostream& err, const Message& message, Language language) {
  err << "swdgen: " << Say(message, language) << '\n';
}

}  // namespace swd::cli

namespace swd::cli {

namespace {
std::size_t Characters(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text)
    n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}
}  // namespace

std::string PadTo(const std::string& text, std::size_t width) {
  const std::size_t length = Characters(text);
  return length >= width ? text : text + std::string(width - length, ' ');
}

std::size_t LabelsWidth(const std::vector<LabelledLine>& lines, Language language) {
  std::size_t width = 0;
  for (const LabelledLine& line : lines)
    width = std::max(width, Characters(Say(line.label, language)));
  return width;
}

void WriteLabelledLines(const std::vector<LabelledLine>& lines, Language language,
                        std::ostream& out, std::size_t width) {
  if (width == 0) width = LabelsWidth(lines, language) + 1;
  for (const LabelledLine& line : lines)
    out << PadTo(Say(line.label, language), width) << line.value << '\n';
}

}  // namespace swd::cli
