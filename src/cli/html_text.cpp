#include "cli/html_text.hpp"

namespace swd::cli {

std::string HtmlText(const std::string& text) {
  std::string s;
  s.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        s += "&amp;";
        break;
      case '<':
        s += "&lt;";
        break;
      case '>':
        s += "&gt;";
        break;
      case '"':
        s += "&quot;";
        break;
      case '\'':
        s += "&#39;";
        break;
      default:
        s += c;
    }
  }
  return s;
}

std::string UrlPath(const std::filesystem::path& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string s;
  for (const char c : path.generic_string()) {
    const auto b = static_cast<unsigned char>(c);
    const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                       b == '-' || b == '_' || b == '.' || b == '~' || b == '/';
    if (plain) {
      s += c;
    } else {
      s += '%';
      s += kHex[b >> 4];
      s += kHex[b & 15];
    }
  }
  return s;
}

// Hand-written for the thumbnails alone: a library for these few lines would be one more
// dependency of the installed program.
std::string DataUri(const std::string& mime, const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string s = "data:" + mime + ";base64,";
  s.reserve(s.size() + (bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = static_cast<std::uint32_t>(bytes[i]) << 16;
    if (n > 1) group |= static_cast<std::uint32_t>(bytes[i + 1]) << 8;
    if (n > 2) group |= bytes[i + 2];
    for (std::size_t k = 0; k < 4; ++k)
      s += k <= n ? kDigits[(group >> (18 - 6 * k)) & 63] : '=';
  }
  return s;
}

}  // namespace swd::cli
