#include "cli/batch_summary.hpp"

#include <sstream>

#include "cli/analysis_output.hpp"

namespace swd::cli {

namespace {

// One value of the settings: a number or true/false as written, a text, or nothing.
struct Value {
  enum class Kind { Literal, Text, Null };
  Kind kind = Kind::Null;
  std::string text;

  std::string Json() const {
    switch (kind) {
      case Kind::Literal:
        return text;
      case Kind::Text:
        return JsonString(text);
      case Kind::Null:
        break;
    }
    return "null";
  }
};

Value Number(long v) {
  return {Value::Kind::Literal, std::to_string(v)};
}
Value Flag(bool v) {
  return {Value::Kind::Literal, v ? "true" : "false"};
}
Value Text(std::string v) {
  return {Value::Kind::Text, std::move(v)};
}

// A setting, or a group of them under one key: "amount": {"0": 5, ...} in JSON, the columns
// amount_0, ... in CSV.
struct Setting {
  std::string key;
  std::vector<std::pair<std::string, Value>> members;  // one without a name: a plain value
};

Setting Plain(std::string key, Value v) {
  return {std::move(key), {{"", std::move(v)}}};
}

// The levels of --amount, --size and --decoration, by the classes they accept.
Setting ClassLevels(std::string key, const std::array<int, 11>& levels) {
  Setting s{std::move(key), {}};
  for (const int c : {0, 1, 2, 3, 4, 5, 6, 7, 9})
    s.members.emplace_back(std::to_string(c), Number(levels[c]));
  return s;
}

const char* ShapeName(const GeneratorSettings& s) {
  for (const ShapeOption& o : kShapeOptions) {
    if (o.code == s.ShapeCode && o.symmetric == s.SymmetricBase) return o.name;
  }
  return "unknown";
}

// The settings every map of the batch was made with, in the terms of the options that set
// them. Without "extended" the run is a plain island, and the values from "shape" on are
// what the run would have used with it.
std::vector<Setting> SettingsOf(const GenerateRequest& r) {
  const GeneratorSettings& s = r.settings;
  Setting animals{"animals", {}};
  for (int k = 1; k <= 6; ++k)
    animals.members.emplace_back(kAnimalNames[k].key, Number(s.SliderTiere[k]));
  return {
      Plain("title", Text(r.title)),
      Plain("width", Number(s.MapWidth)),
      Plain("height", Number(s.MapHeight)),
      Plain("type", Text(LandscapeTypeKey(s.LandscapeType))),
      Plain("players", Number(s.PlayerCount)),
      Plain("island", Flag(s.CheckInsel)),
      Plain("extended", Flag(s.CheckErwEinst)),
      Plain("area_variant", Flag(s.CheckFlaechenvariante)),
      Plain("shape", Text(ShapeName(s))),
      Plain("picture", s.PicturePath.empty() ? Value{} : Text(s.PicturePath)),
      Plain("coast", Number(s.CoastRoughness)),
      ClassLevels("amount", s.Slider1),
      ClassLevels("size", s.Slider2),
      ClassLevels("decoration", s.Slider3),
      {"resources",
       {{"coal", Number(s.ResourceShares.coal)},
        {"gold", Number(s.ResourceShares.gold)},
        {"iron", Number(s.ResourceShares.iron)},
        {"granite", Number(s.ResourceShares.granite)}}},
      {"granite",
       {{"large_count", Number(s.SliderGrGranitAz)},
        {"large_size", Number(s.SliderGrGranitAus)},
        {"small_count", Number(s.SliderKlGranitAz)},
        {"small_size", Number(s.SliderKlGranitAus)}}},
      Plain("tree_groups", Number(s.SliderBaumgruppen)),
      animals,
      Plain("start_objects", Flag(r.start_objects)),
      Plain("harbours", Flag(s.harbours)),
      Plain("fair_starts", Flag(s.fair_starts)),
  };
}

std::string FileName(const std::filesystem::path& path) {
  return path.filename().string();
}

// The analysis document, indented to stand as a value inside the summary.
std::string Indented(const std::string& json, const std::string& indent) {
  std::string s;
  for (std::size_t i = 0; i < json.size(); ++i) {
    s += json[i];
    if (json[i] == '\n' && i + 1 < json.size()) s += indent;
  }
  while (!s.empty() && s.back() == '\n')
    s.pop_back();
  return s;
}

// A CSV cell (RFC 4180): quoted when it holds a comma, a quote or a line break.
std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string s = "\"";
  for (const char c : text) {
    if (c == '"') s += '"';
    s += c;
  }
  return s + '"';
}

}  // namespace

std::string BatchSummaryJson(const BatchReport& report) {
  std::ostringstream out;
  out << "{\n  \"format\": \"swdgen-batch\", \"version\": 1,\n"
      << "  \"name\": " << JsonString(report.names.name)
      << ", \"first_seed\": " << report.first_seed << ", \"count\": " << report.request.count
      << ", \"written\": " << report.maps.size()
      << ", \"complete\": " << (report.complete ? "true" : "false") << ",\n"
      << "  \"settings\": {";
  const std::vector<Setting> settings = SettingsOf(report.request);
  for (std::size_t i = 0; i < settings.size(); ++i) {
    const Setting& s = settings[i];
    out << (i == 0 ? "" : ",") << "\n    " << JsonString(s.key) << ": ";
    if (s.members.size() == 1 && s.members[0].first.empty()) {
      out << s.members[0].second.Json();
      continue;
    }
    out << '{';
    for (std::size_t k = 0; k < s.members.size(); ++k)
      out << (k == 0 ? "" : ", ") << JsonString(s.members[k].first) << ": "
          << s.members[k].second.Json();
    out << '}';
  }
  out << "\n  },\n  \"maps\": [";
  for (std::size_t i = 0; i < report.maps.size(); ++i) {
    const BatchMap& m = report.maps[i];
    out << (i == 0 ? "\n" : ",\n") << "    {\"seed\": " << m.seed
        << ", \"players_placed\": " << m.players_placed
        << ", \"players_requested\": " << m.players_requested
        << ",\n     \"files\": {\"map\": " << JsonString(FileName(m.map))
        << ", \"bitmap\": " << JsonString(FileName(m.bitmap))
        << ", \"picture\": " << (m.picture ? JsonString(FileName(*m.picture)) : std::string("null"))
        << "},\n     \"analysis\": "
        << (m.analysed ? Indented(m.analysis_json, "     ") : std::string("null")) << '}';
  }
  out << (report.maps.empty() ? "]\n}\n" : "\n  ]\n}\n");
  return out.str();
}

std::string BatchSummaryCsv(const BatchReport& report) {
  const std::vector<Setting> settings = SettingsOf(report.request);
  std::vector<std::string> header = {
      "seed", "map", "bitmap", "picture", "players_placed", "players_requested"};
  if (report.request.analyze) {
    header.emplace_back("fairness");
    for (const FigureRow& f : kFigures)
      header.push_back(std::string("ratio_") + f.key);
  }
  // The settings are the same in every line; they make each line whole on its own.
  std::vector<std::string> setting_cells;
  for (const Setting& s : settings) {
    for (const auto& [member, value] : s.members) {
      header.push_back(member.empty() ? s.key : s.key + "_" + member);
      setting_cells.push_back(value.kind == Value::Kind::Null ? "" : CsvCell(value.text));
    }
  }
  std::string csv;
  auto line = [&](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i)
      csv += (i == 0 ? "" : ",") + cells[i];
    csv += "\r\n";
  };
  line(header);
  for (const BatchMap& m : report.maps) {
    std::vector<std::string> cells = {
        std::to_string(m.seed),           CsvCell(FileName(m.map)),
        CsvCell(FileName(m.bitmap)),      m.picture ? CsvCell(FileName(*m.picture)) : "",
        std::to_string(m.players_placed), std::to_string(m.players_requested)};
    if (report.request.analyze) {
      cells.push_back(m.fairness ? FormatNumber(m.fairness->index, 4) : "");
      for (const FigureRow& f : kFigures)
        cells.push_back(m.fairness ? FormatNumber(m.fairness->ratios[f.figure], 4) : "");
    }
    cells.insert(cells.end(), setting_cells.begin(), setting_cells.end());
    line(cells);
  }
  return csv;
}

}  // namespace swd::cli
