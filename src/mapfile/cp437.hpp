#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace swd {

// The game shows map titles in the DOS code page 437.
// Printable characters only; no value when a character has no byte there or the text is
// not valid UTF-8.
std::optional<std::string> Utf8ToCp437(std::string_view utf8);
std::string Cp437ToUtf8(std::string_view cp437);

}  // namespace swd
