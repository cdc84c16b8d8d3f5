#include <iomanip>
#include <ostream>
#include <sstream>

#include "analysis/figures.hpp"
#include "cli/analysis_output.hpp"
#include "cli/language.hpp"
#include "mapfile/cp437.hpp"
#include "model/terrain.hpp"
#include "rules/site_rating.hpp"

namespace swd::cli {

namespace {

constexpr int kLabelWidth = 24;
constexpr int kColumnWidth = 13;

// The table's names of the map-wide counts and the figures, in the order of their arrays
// (analysis_output.hpp, analysis/figures.hpp, rules/site_rating.hpp).
constexpr MessageKey kTerrainLabels[] = {
    MessageKey::TerrainBuildable, MessageKey::TerrainMountain, MessageKey::TerrainDesert,
    MessageKey::TerrainWater,     MessageKey::TerrainSwamp,    MessageKey::TerrainSnowOrLava,
    MessageKey::TerrainUnknown};
constexpr MessageKey kResourceLabels[] = {MessageKey::None,         MessageKey::ResourceWater,
                                          MessageKey::TreasureCoal, MessageKey::TreasureIron,
                                          MessageKey::TreasureGold, MessageKey::TreasureGranite,
                                          MessageKey::ResourceFish};
constexpr MessageKey kAnimalLabels[] = {MessageKey::None,        MessageKey::AnimalHares,
                                        MessageKey::AnimalFoxes, MessageKey::AnimalStags,
                                        MessageKey::AnimalDeer,  MessageKey::AnimalDucks,
                                        MessageKey::AnimalSheep};
constexpr MessageKey kSiteLabels[] = {MessageKey::SiteLarge, MessageKey::SiteMedium,
                                      MessageKey::SiteSmall, MessageKey::SiteMine,
                                      MessageKey::SiteFlag,  MessageKey::SiteNothing};
constexpr MessageKey kFigureLabels[] = {
    MessageKey::FigureLargeSites,   MessageKey::FigureMediumSites,
    MessageKey::FigureSmallSites,   MessageKey::FigureMineSites,
    MessageKey::FigureTrees,        MessageKey::FigureGranite,
    MessageKey::FigureCoal,         MessageKey::FigureIron,
    MessageKey::FigureGold,         MessageKey::FigureMountainGranite,
    MessageKey::FigureFish,         MessageKey::FigureWater,
    MessageKey::FigureRivalDistance};
static_assert(std::size(kTerrainLabels) == kTerrainNames.size());
static_assert(std::size(kResourceLabels) == kResourceNames.size());
static_assert(std::size(kAnimalLabels) == kAnimalNames.size());
static_assert(std::size(kSiteLabels) == kSiteSizeNames.size());
static_assert(std::size(kFigureLabels) == kFigures.size());

// "label 1, label 2, ..." from the labels and a value for each of them.
template <std::size_t N, typename Value>
std::string Listed(const MessageKey (&labels)[N], Language lang, Value value,
                   std::size_t first = 0) {
  std::ostringstream s;
  for (std::size_t i = first; i < N; ++i)
    s << (i == first ? "" : ", ") << Say(labels[i], lang) << ' ' << value(i);
  return s.str();
}

// One row of the per-start table: the label, a cell per start and, where given, the ratio.
void Row(std::ostream& out, const std::string& label, const std::vector<std::string>& cells,
         const std::string& ratio = "") {
  out << PadTo(label, kLabelWidth);
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

Message Player(int player) {
  return {MessageKey::AnPlayer, {Message::Number(player)}};
}

void WriteStarts(const MapAnalysis& a, Language lang, std::ostream& out) {
  const auto& starts = a.starts;
  out << '\n';
  Row(out, "", Cells(a, [&](std::size_t i) { return Say(Player(starts[i].start.player), lang); }),
      a.fairness ? "min/max" : "");
  Row(out, Say(MessageKey::AnPosition, lang), Cells(a, [&](std::size_t i) {
        return std::to_string(starts[i].start.at.x) + ", " + std::to_string(starts[i].start.at.y);
      }));
  Row(out, Say(MessageKey::AnArea, lang),
      Cells(a, [&](std::size_t i) { return FormatNumber(starts[i].area, 1); }));
  for (std::size_t f = 0; f < kFigures.size(); ++f) {
    const FigureRow& row = kFigures[f];
    Row(out, Say(kFigureLabels[f], lang),
        Cells(a, [&](std::size_t i) { return FormatNumber(starts[i].figures[row.figure], 1); }),
        a.fairness ? FormatNumber(a.fairness->ratios[row.figure], 2) : "");
  }
  Row(out, Say(MessageKey::AnNearestRival, lang), Cells(a, [&](std::size_t i) -> std::string {
        if (starts[i].nearest_rival) return std::to_string(*starts[i].nearest_rival);
        return "-";
      }));
  if (a.fairness) {
    Row(out, Say(MessageKey::AnScore, lang),
        Cells(a, [&](std::size_t i) { return FormatNumber(a.fairness->scores[i], 3); }));
  }
  out << '\n';
}

}  // namespace

void WriteAnalysisTable(const SwdHeader& header, const MapAnalysis& a, Language lang,
                        std::ostream& out) {
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
  const auto say = [&](Message m) { return Say(m, lang); };

  std::vector<LabelledLine> lines;
  lines.push_back(
      {MessageKey::AnMap, say({MessageKey::AnMapLine,
                               {Message::Verbatim(Cp437ToUtf8(header.title_cp437)),
                                Message::Number(header.width), Message::Number(header.height),
                                Message::Verbatim(LandscapeTypeName(header.landscape_type)),
                                Message::Number(header.player_count)}})});
  if (!MapCodeOf(header).empty()) lines.push_back({MessageKey::InfoCode, MapCodeOf(header)});
  lines.push_back({MessageKey::AnTerrain, Listed(kTerrainLabels, lang, share)});
  lines.push_back(
      {MessageKey::AnObjects, say({MessageKey::AnObjectsLine,
                                   {Message::Number(c.trees), Message::Verbatim(granite),
                                    Message::Number(c.decorations)}})});
  lines.push_back({MessageKey::AnResources,
                   Listed(
                       kResourceLabels, lang, [&](std::size_t k) { return c.resources[k]; }, 1)});
  lines.push_back({MessageKey::AnAnimals,
                   Listed(
                       kAnimalLabels, lang, [&](std::size_t k) { return c.animals[k]; }, 1)});
  lines.push_back({MessageKey::AnSites, Listed(kSiteLabels, lang, [&](std::size_t k) {
                     return c.sites[static_cast<int>(kSiteSizeNames[k].size)];
                   })});
  lines.push_back(
      {MessageKey::AnStarts, say({a.starts_from_objects ? MessageKey::AnStartsFromObjects
                                                        : MessageKey::AnStartsFromHeader,
                                  {Message::Number(static_cast<long long>(a.starts.size())),
                                   Message::Number(a.radius)}})});
  lines.push_back({MessageKey::AnHarbours,
                   say({MessageKey::AnHarboursLine,
                        {Message::Number(static_cast<long long>(a.harbours.size()))}})});
  // The starts' table goes between the map's lines and the reach and fairness.
  std::vector<LabelledLine> after;
  if (a.starts.size() > 1) {
    std::string reach;
    for (std::size_t i = 0; i < a.starts.size(); ++i) {
      reach += (i == 0 ? "" : ", ") + say(Player(a.starts[i].start.player)) + ' ' +
               say(NameOf(*a.starts[i].reach).text);
    }
    after.push_back({MessageKey::AnReach, reach});
  }
  after.push_back({MessageKey::AnFairness,
                   a.fairness ? say({MessageKey::AnFairnessLine,
                                     {Message::Verbatim(FormatNumber(a.fairness->index, 3))}})
                              : say(MessageKey::AnFairnessNone)});
  // Both parts line up as one.
  const std::size_t width = std::max(LabelsWidth(lines, lang), LabelsWidth(after, lang)) + 2;
  WriteLabelledLines(lines, lang, out, width);
  if (!a.starts.empty()) WriteStarts(a, lang, out);
  WriteLabelledLines(after, lang, out, width);
}

}  // namespace swd::cli
