#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/messages.hpp"

namespace swd::cli {

// The command line speaks one language at a time, as the wizard does: German where the
// locale is German, English elsewhere, `--lang de|en` forcing one. Every text it prints is
// a message key (model/messages.hpp); the English comes from the wizard's translation file,
// built into the program as a table (english_table.cmake).
enum class Language : std::uint8_t { German, English };

// "de" and "en", as --lang takes them.
std::optional<Language> LanguageNamed(std::string_view name);

// From the locale's variables as POSIX ranks them, LC_ALL over LC_MESSAGES over LANG (an
// empty one counts as unset): German when the first set one starts with "de".
Language LanguageOfLocale(const std::function<const char*(const char*)>& variable);

// The English of a key, as the translation file has it; empty where it has none.
std::string_view EnglishPattern(MessageKey key);

// The message in `language`, its arguments likewise (a key without English is said in
// German rather than not at all).
std::string Say(const Message& message, Language language);

// "swdgen: MESSAGE" and a line end on `err`, as every refusal and failure is told.
void Complain(std::ostream& err, const Message& message, Language language);

}  // namespace swd::cli

namespace swd::cli {

// `text` followed by spaces up to `width` characters (UTF-8 counted by characters, so that
// "Größe" lines up with "title").
std::string PadTo(const std::string& text, std::size_t width);

// Lines "LABEL  VALUE" with the values lined up in the column `width` characters in (by
// default one after the longest label), as info and analyze print a map's facts.
struct LabelledLine {
  Message label;
  std::string value;
};
std::size_t LabelsWidth(const std::vector<LabelledLine>& lines, Language language);
void WriteLabelledLines(const std::vector<LabelledLine>& lines, Language language,
                        std::ostream& out, std::size_t width = 0);

}  // namespace swd::cli
