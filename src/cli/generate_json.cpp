#include "cli/generate_json.hpp"

#include <ostream>
#include <string>

#include "cli/analysis_output.hpp"
#include "cli/batch_summary.hpp"

namespace swd::cli {

namespace {

std::string Path(const std::filesystem::path& path) {
  return JsonString(path.string());
}

std::string NumberOrNull(const std::optional<double>& value) {
  return value ? FormatNumber(*value, 4) : "null";
}

std::string Files(const std::filesystem::path& map, const std::filesystem::path& bitmap,
                  const std::optional<std::filesystem::path>& picture) {
  return "{\"map\": " + Path(map) + ", \"bitmap\": " + Path(bitmap) +
         ", \"picture\": " + (picture ? Path(*picture) : "null") + "}";
}

std::string Players(int placed, int requested) {
  return "\"players_requested\": " + std::to_string(requested) +
         ", \"players_placed\": " + std::to_string(placed);
}

}  // namespace

void WriteGenerateJson(const GeneratedMap& map, std::ostream& out) {
  const RunOutcome& o = map.outcome;
  std::optional<std::filesystem::path> picture;
  if (map.files.size() > 2) picture = map.files[2].path;
  out << "{\"format\": \"swdgen-generate\", \"version\": 1,\n"
      << " \"files\": " << Files(o.map_path, o.bitmap_path, picture) << ",\n"
      << " \"seed\": " << map.seed << ", " << Players(o.players_placed, o.players_requested)
      << ",\n"
      << " \"fairness\": " << NumberOrNull(map.fairness)
      << ", \"fairness_before\": " << NumberOrNull(o.fairness_before) << ",\n"
      << " \"code\": " << (o.code.empty() ? "null" : JsonString(o.code));
  if (map.candidates != nullptr) {
    out << ",\n \"chosen_seed\": " << map.seed << ",\n \"candidates\": [";
    for (std::size_t i = 0; i < map.candidates->size(); ++i) {
      const CandidateReport& c = (*map.candidates)[i];
      out << (i == 0 ? "\n" : ",\n") << "  {\"seed\": " << c.seed << ", "
          << Players(c.players_placed, c.players_requested)
          << ", \"fairness\": " << NumberOrNull(c.fairness) << "}";
    }
    out << "\n ]";
  }
  out << "\n}\n";
}

void WriteBatchJson(const BatchReport& report, const std::vector<std::filesystem::path>& reports,
                    std::ostream& out) {
  out << "{\"format\": \"swdgen-generate-batch\", \"version\": 1,\n"
      << " \"first_seed\": " << report.first_seed << ", \"count\": " << report.request.count
      << ", \"written\": " << report.maps.size()
      << ", \"complete\": " << (report.complete ? "true" : "false") << ",\n \"reports\": [";
  for (std::size_t i = 0; i < reports.size(); ++i)
    out << (i == 0 ? "" : ", ") << Path(reports[i]);
  out << "],\n \"maps\": [";
  for (std::size_t i = 0; i < report.maps.size(); ++i) {
    const BatchMap& m = report.maps[i];
    std::optional<double> fairness;
    if (m.fairness) fairness = m.fairness->index;
    out << (i == 0 ? "\n" : ",\n") << "  {\"files\": " << Files(m.map, m.bitmap, m.picture)
        << ", \"seed\": " << m.seed << ", " << Players(m.players_placed, m.players_requested)
        << ", \"fairness\": " << NumberOrNull(fairness)
        << ", \"code\": " << (m.code.empty() ? "null" : JsonString(m.code)) << "}";
  }
  out << "\n ]\n}\n";
}

}  // namespace swd::cli
