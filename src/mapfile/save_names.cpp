#include "mapfile/save_names.hpp"

#include <cstdio>

#include "mapfile/cp437.hpp"

namespace swd {

std::string CheckMapName(std::string_view name) {
  if (name.empty()) return "Bitte einen Dateinamen eingeben.";
  if (name.size() > kMaxNameLength) {
    return "Der Dateiname darf höchstens 8 Zeichen lang sein.";
  }
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_';
    if (!ok) {
      return "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und '_' enthalten.";
    }
  }
  return {};
}

std::string CheckMapTitle(std::string_view title_utf8) {
  if (title_utf8.empty()) return "Bitte einen Landschaftsnamen eingeben.";
  const auto encoded = Utf8ToCp437(title_utf8);
  if (!encoded) {
    return "Der Landschaftsname enthält ein Zeichen, das das Spiel nicht darstellen kann.";
  }
  if (encoded->size() > kMaxTitleLength) {
    return "Der Landschaftsname darf höchstens 16 Zeichen lang sein.";
  }
  return {};
}

std::string ProposedMapName(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "Karte%03d", n);
  return buf;
}

}  // namespace swd
