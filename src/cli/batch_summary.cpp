#include "cli/batch_summary.hpp"

#include <sstream>

#include "cli/analysis_output.hpp"

namespace swd::cli {

std::string Value::Json() const {
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

namespace {

Value Number(long v) {
  return {Value::Kind::Literal, std::to_string(v)};
}
Value Flag(bool v) {
  return {Value::Kind::Literal, v ? "true" : "false"};
}
Value Text(std::string v) {
  return {Value::Kind::Text, std::move(v)};
}

Setting Plain(std::string key, Value v) {
  return {std::move(key), {{"", std::move(v)}}};
}

// A value of the table as JSON writes it: a number, true/false, a choice's key, the picture's
// path or null.
Value ValueOfRow(const SettingRow& row, const GeneratorSettings& s) {
  switch (row.type) {
    case SettingType::Flag:
      return Flag(ValueOf(row, s) != 0);
    case SettingType::Choice:
      return Text(SettingText(row, ValueOf(row, s)));
    case SettingType::Picture:
      return s.PicturePath.empty() ? Value{} : Text(s.PicturePath);
    case SettingType::Whole:
      break;
  }
  return Number(ValueOf(row, s));
}

}  // namespace

std::vector<Setting> SettingsOf(const std::string& title, const GeneratorSettings& s,
                                std::span<const SettingRow> rows) {
  std::vector<Setting> settings = {Plain("title", Text(title))};
  for (const SettingRow& row : rows) {
    if (settings.back().key != row.key) settings.push_back({std::string(row.key), {}});
    settings.back().members.emplace_back(std::string(row.member), ValueOfRow(row, s));
  }
  return settings;
}

namespace {

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
  const std::vector<Setting> settings = SettingsOf(report.request.title, report.request.settings);
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
        << ", \"code\": " << JsonString(m.code) << ", \"players_placed\": " << m.players_placed
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
  const std::vector<Setting> settings = SettingsOf(report.request.title, report.request.settings);
  std::vector<std::string> header = {
      "seed", "map", "bitmap", "picture", "players_placed", "players_requested", "code"};
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
    std::vector<std::string> cells = {std::to_string(m.seed),
                                      CsvCell(FileName(m.map)),
                                      CsvCell(FileName(m.bitmap)),
                                      m.picture ? CsvCell(FileName(*m.picture)) : "",
                                      std::to_string(m.players_placed),
                                      std::to_string(m.players_requested),
                                      m.code};
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
