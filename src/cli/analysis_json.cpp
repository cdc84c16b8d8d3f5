#include <cstdio>
#include <ostream>

#include "cli/analysis_output.hpp"
#include "mapfile/cp437.hpp"
#include "model/map_code.hpp"
#include "model/settings.hpp"

namespace swd::cli {

std::string MapCodeOf(const SwdHeader& header) {
  // A code is plain ASCII, the same in code page 437.
  return DecodeMapCode(header.author_cp437).code ? header.author_cp437 : std::string();
}

std::string JsonString(const std::string& text) {
  std::string s = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      s += '\\';
      s += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
      s += buf;
    } else {
      s += c;
    }
  }
  return s + '"';
}

const char* LandscapeTypeKey(int landscape_type) {
  switch (landscape_type) {
    case Gruenland:
      return "gruenland";
    case Oedland:
      return "oedland";
    case Winterland:
      return "winterland";
    default:
      return "unknown";
  }
}

namespace {

// Writes `{"key": value, ...}` from the names and a value for each of them.
template <typename Names, typename Value>
void JsonObject(std::ostream& out, const Names& names, Value value, std::size_t first = 0) {
  out << '{';
  for (std::size_t i = first; i < names.size(); ++i)
    out << (i == first ? "" : ", ") << JsonString(names[i].key) << ": " << value(i);
  out << '}';
}

void WriteStart(std::ostream& out, const StartReport& s, const std::optional<Fairness>& fairness,
                std::size_t i) {
  out << "    {\"player\": " << s.start.player << ", \"x\": " << s.start.at.x
      << ", \"y\": " << s.start.at.y << ", \"area\": " << FormatNumber(s.area, 2)
      << ", \"nearest_rival\": "
      << (s.nearest_rival ? std::to_string(*s.nearest_rival) : std::string("null"))
      << ", \"reach\": " << (s.reach ? JsonString(NameOf(*s.reach).key) : std::string("null"))
      << ",\n     \"figures\": ";
  JsonObject(out, kFigures, [&](std::size_t f) { return FormatNumber(s.figures[f], 2); });
  out << ",\n     \"score\": "
      << (fairness ? FormatNumber(fairness->scores[i], 4) : std::string("null")) << '}';
}

}  // namespace

void WriteAnalysisJson(const SwdHeader& header, const MapAnalysis& a, std::ostream& out) {
  const MapCounts& c = a.counts;
  int triangles = 0;
  for (const int n : c.triangles)
    triangles += n;
  out << "{\n  \"format\": \"swdgen-analysis\", \"version\": 2,\n"
      << "  \"map\": {\"title\": " << JsonString(Cp437ToUtf8(header.title_cp437))
      << ", \"width\": " << header.width << ", \"height\": " << header.height
      << ", \"type\": " << JsonString(LandscapeTypeKey(header.landscape_type))
      << ", \"players\": " << header.player_count << ", \"code\": "
      << (MapCodeOf(header).empty() ? std::string("null") : JsonString(MapCodeOf(header))) << "},\n"
      << "  \"radius\": " << a.radius << ",\n  \"terrain\": ";
  JsonObject(out, kTerrainNames, [&](std::size_t k) {
    return FormatNumber(triangles > 0 ? static_cast<double>(c.triangles[k]) / triangles : 0, 4);
  });
  out << ",\n  \"objects\": {\"trees\": " << c.trees << ", \"granite_by_size\": [";
  for (int size = 1; size <= kLargestGranite; ++size)
    out << (size == 1 ? "" : ", ") << c.granite[size];
  out << "], \"decorations\": " << c.decorations << "},\n  \"resources\": ";
  JsonObject(
      out, kResourceNames, [&](std::size_t k) { return c.resources[k]; }, 1);
  out << ",\n  \"animals\": ";
  JsonObject(
      out, kAnimalNames, [&](std::size_t k) { return c.animals[k]; }, 1);
  out << ",\n  \"sites\": ";
  JsonObject(out, kSiteSizeNames,
             [&](std::size_t k) { return c.sites[static_cast<int>(kSiteSizeNames[k].size)]; });
  out << ",\n  \"harbours\": [";
  for (std::size_t i = 0; i < a.harbours.size(); ++i) {
    out << (i == 0 ? "" : ", ") << "{\"x\": " << a.harbours[i].at.x
        << ", \"y\": " << a.harbours[i].at.y << '}';
  }
  out << "],\n  \"starts_from\": " << (a.starts_from_objects ? "\"objects\"" : "\"header\"")
      << ",\n  \"starts\": [";
  for (std::size_t i = 0; i < a.starts.size(); ++i) {
    out << (i == 0 ? "\n" : ",\n");
    WriteStart(out, a.starts[i], a.fairness, i);
  }
  out << (a.starts.empty() ? "],\n" : "\n  ],\n") << "  \"fairness\": ";
  if (a.fairness) {
    out << "{\"index\": " << FormatNumber(a.fairness->index, 4) << ", \"ratios\": ";
    JsonObject(out, kFigures,
               [&](std::size_t f) { return FormatNumber(a.fairness->ratios[f], 4); });
    out << '}';
  } else {
    out << "null";
  }
  out << "\n}\n";
}

std::string FormatNumber(double value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  std::string s = buf;
  if (s.find('.') != std::string::npos) {
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
  }
  return s == "-0" ? "0" : s;
}

std::string WithDecimalComma(std::string number) {
  for (char& c : number) {
    if (c == '.') c = ',';
  }
  return number;
}

}  // namespace swd::cli
