#include "mapfile/save_names.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "mapfile/cp437.hpp"
#include "mapfile/swd_format.hpp"

namespace swd {

namespace {

// The names Windows keeps for devices, whatever the case and extension: a map so named
// cannot be saved or copied into the game's folder there.
constexpr std::array<std::string_view, 4> kDeviceNames{"CON", "PRN", "AUX", "NUL"};
constexpr std::array<std::string_view, 2> kNumberedDeviceNames{"COM", "LPT"};

bool IsDeviceName(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  });
  if (std::find(kDeviceNames.begin(), kDeviceNames.end(), upper) != kDeviceNames.end()) return true;
  return upper.size() == 4 && upper[3] >= '0' && upper[3] <= '9' &&
         std::find(kNumberedDeviceNames.begin(), kNumberedDeviceNames.end(),
                   std::string_view(upper).substr(0, 3)) != kNumberedDeviceNames.end();
}

}  // namespace

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
  if (IsDeviceName(name)) return MessageKey::NameReserved;
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
