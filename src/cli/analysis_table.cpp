#include <iomanip>
#include <ostream>
#include <sstream>

#include "cli/analysis_output.hpp"
#include "mapfile/cp437.hpp"
#include "model/terrain.hpp"

namespace swd::cli {

namespace {

constexpr int kLabelWidth = 24;
constexpr int kColumnWidth = 13;

const char* Label(const CountName& n) {
  return n.label;
}
const char* Label(const SiteSizeName& n) {
  return n.key;
}

// "label 1, label 2, ..." from the names and a value for each of them.
template <typename Names, typename Value>
std::string Listed(const Names& names, Value value, std::size_t first = 0) {
  std::ostringstream s;
  for (std::size_t i = first; i < names.size(); ++i)
    s << (i == first ? "" : ", ") << Label(names[i]) << ' ' << value(i);
  return s.str();
}

// One row of the per-start table: the label, a cell per start and, where given, the ratio.
void Row(std::ostream& out, const std::string& label, const std::vector<std::string>& cells,
         const std::string& ratio = "") {
  out << std::left << std::setw(kLabelWidth) << label << std::right;
  for (const auto& cell : cells)
    out << std::setw(kColumnWidth) << cell;
  if (!ratio.empty()) out << std::setw(kColumnWidth) << ratio;
  out << '\n';
}

template <typename Cell>
std::vector<std::string> Cells(const MapAnalysis& a, Cell cell) {
  std::vector<std::string> cells;
  for (std::size_t i = 0; i < a.starts.size(); ++i)
    cells.push_back(cell(i));
  return cells;
}

void WriteStarts(const MapAnalysis& a, std::ostream& out) {
  const auto& starts = a.starts;
  out << '\n';
  Row(out, "",
      Cells(a, [&](std::size_t i) { return "player " + std::to_string(starts[i].start.player); }),
      a.fairness ? "min/max" : "");
  Row(out, "position", Cells(a, [&](std::size_t i) {
        return std::to_string(starts[i].start.at.x) + ", " + std::to_string(starts[i].start.at.y);
      }));
  Row(out, "area", Cells(a, [&](std::size_t i) { return FormatNumber(starts[i].area, 1); }));
  for (const FigureRow& row : kFigures) {
    Row(out, row.label,
        Cells(a, [&](std::size_t i) { return FormatNumber(starts[i].figures[row.figure], 1); }),
        a.fairness ? FormatNumber(a.fairness->ratios[row.figure], 2) : "");
  }
  Row(out, "nearest rival", Cells(a, [&](std::size_t i) -> std::string {
        if (starts[i].nearest_rival) return std::to_string(*starts[i].nearest_rival);
        return "-";
      }));
  if (a.fairness) {
    Row(out, "score",
        Cells(a, [&](std::size_t i) { return FormatNumber(a.fairness->scores[i], 3); }));
  }
  out << '\n';
}

}  // namespace

void WriteAnalysisTable(const SwdHeader& header, const MapAnalysis& a, std::ostream& out) {
  const MapCounts& c = a.counts;
  int triangles = 0;
  for (const int n : c.triangles)
    triangles += n;
  const auto share = [&](std::size_t k) {
    return FormatNumber(triangles > 0 ? 100.0 * c.triangles[k] / triangles : 0, 1) + " %";
  };
  std::string granite;
  for (int size = 1; size <= kLargestGranite; ++size)
    granite += (size == 1 ? "" : "/") + std::to_string(c.granite[size]);

  out << "map        " << Cp437ToUtf8(header.title_cp437) << ", " << header.width << " x "
      << header.height << ", " << LandscapeTypeName(header.landscape_type) << ", "
      << header.player_count << " players\n"
      << (MapCodeOf(header).empty() ? "" : "code       " + MapCodeOf(header) + "\n")
      << "terrain    " << Listed(kTerrainNames, share) << '\n'
      << "objects    trees " << c.trees << ", granite " << granite
      << " (sizes 1 to 6), decorations " << c.decorations << '\n'
      << "resources  "
      << Listed(
             kResourceNames, [&](std::size_t k) { return c.resources[k]; }, 1)
      << '\n'
      << "animals    "
      << Listed(
             kAnimalNames, [&](std::size_t k) { return c.animals[k]; }, 1)
      << '\n'
      << "sites      "
      << Listed(kSiteSizeNames,
                [&](std::size_t k) { return c.sites[static_cast<int>(kSiteSizeNames[k].size)]; })
      << '\n'
      << "starts     " << a.starts.size() << ", "
      << (a.starts_from_objects ? "from the start-position objects" : "from the header")
      << ", areas of radius " << a.radius << '\n'
      << "harbours   " << a.harbours.size() << " harbour places the game keeps\n";
  if (!a.starts.empty()) WriteStarts(a, out);
  if (a.starts.size() > 1) {
    out << "reach     ";
    for (std::size_t i = 0; i < a.starts.size(); ++i) {
      out << (i == 0 ? " " : ", ") << "player " << a.starts[i].start.player << ' '
          << Message(NameOf(*a.starts[i].reach).text).German();
    }
    out << '\n';
  }
  if (a.fairness) {
    out << "fairness   " << FormatNumber(a.fairness->index, 3)
        << " (the weakest start's score over the mean score; 1 means even starts)\n";
  } else {
    out << "fairness   none: fewer than two start positions\n";
  }
}

}  // namespace swd::cli
