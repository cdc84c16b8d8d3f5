#include "mapfile/save_names.hpp"

#include <cstdio>

#include "mapfile/cp437.hpp"
#include "mapfile/swd_format.hpp"

namespace swd {

Message CheckMapName(std::string_view name) {
  if (name.empty()) return MessageKey::NameMissing;
  if (name.size() > kMaxNameLength) {
    return MessageKey::NameTooLong;
  }
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_';
    if (!ok) {
      return MessageKey::NameBadCharacter;
    }
  }
  return {};
}

Message CheckMapTitle(std::string_view title_utf8) {
  if (title_utf8.empty()) return MessageKey::TitleMissing;
  const auto encoded = Utf8ToCp437(title_utf8);
  if (!encoded) {
    return MessageKey::TitleBadCharacter;
  }
  if (encoded->size() > kMaxTitleLength) {
    return MessageKey::TitleTooLong;
  }
  return {};
}

Message CheckMapAuthor(std::string_view author_utf8) {
  const auto encoded = Utf8ToCp437(author_utf8);
  if (!encoded) return MessageKey::AuthorBadCharacter;
  if (encoded->size() > kSwdAuthorSize) return MessageKey::AuthorTooLong;
  return {};
}

std::string ProposedMapName(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "Karte%03d", n);
  return buf;
}

}  // namespace swd
