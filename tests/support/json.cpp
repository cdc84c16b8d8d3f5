#include "support/json.hpp"

#include <cstdlib>

namespace swd::test {

namespace {

struct Reader {
  const std::string& text;
  std::size_t at = 0;

  void Space() {
    while (at < text.size() &&
           (text[at] == ' ' || text[at] == '\n' || text[at] == '\t' || text[at] == '\r'))
      ++at;
  }
  bool Take(char c) {
    Space();
    if (at < text.size() && text[at] == c) {
      ++at;
      return true;
    }
    return false;
  }
  bool Word(const char* word, Json& v, Json::Kind kind, bool value) {
    const std::string w(word);
    if (text.compare(at, w.size(), w) != 0) return false;
    at += w.size();
    v.kind = kind;
    v.boolean = value;
    return true;
  }
  bool String(std::string& out) {
    if (!Take('"')) return false;
    while (at < text.size() && text[at] != '"') {
      const char c = text[at++];
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at >= text.size()) return false;
      const char e = text[at++];
      const std::string simple = "\"\\/bfnrt";
      const std::string meant = "\"\\/\b\f\n\r\t";
      if (const auto i = simple.find(e); i != std::string::npos) {
        out += meant[i];
      } else if (e == 'u' && at + 4 <= text.size()) {
        out += '?';  // the tests look at ASCII values only
        at += 4;
      } else {
        return false;
      }
    }
    return Take('"');
  }
  bool Value(Json& v) {
    Space();
    if (at >= text.size()) return false;
    const char c = text[at];
    if (c == 'n') return Word("null", v, Json::Kind::Null, false);
    if (c == 't') return Word("true", v, Json::Kind::Bool, true);
    if (c == 'f') return Word("false", v, Json::Kind::Bool, false);
    if (c == '"') {
      v.kind = Json::Kind::String;
      return String(v.string);
    }
    if (c == '[') {
      ++at;
      v.kind = Json::Kind::Array;
      if (Take(']')) return true;
      do {
        v.items.emplace_back();
        if (!Value(v.items.back())) return false;
      } while (Take(','));
      return Take(']');
    }
    if (c == '{') {
      ++at;
      v.kind = Json::Kind::Object;
      if (Take('}')) return true;
      do {
        std::string key;
        if (!String(key) || !Take(':') || v.members.contains(key)) return false;
        if (!Value(v.members[key])) return false;
      } while (Take(','));
      return Take('}');
    }
    const char* start = text.c_str() + at;
    char* end = nullptr;
    v.number = std::strtod(start, &end);
    if (end == start || (c != '-' && (c < '0' || c > '9'))) return false;
    at += static_cast<std::size_t>(end - start);
    v.kind = Json::Kind::Number;
    return true;
  }
};

}  // namespace

const Json& Json::operator[](const std::string& key) const {
  static const Json kNull;
  const auto it = members.find(key);
  return it == members.end() ? kNull : it->second;
}

std::optional<Json> ParseJson(const std::string& text) {
  Reader reader{text};
  Json value;
  if (!reader.Value(value)) return std::nullopt;
  reader.Space();
  if (reader.at != text.size()) return std::nullopt;
  return value;
}

}  // namespace swd::test
