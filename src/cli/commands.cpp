#include "cli/commands.hpp"

#include <ostream>
#include <random>

#include "cli/analysis_output.hpp"
#include "cli/batch.hpp"
#include "cli/best_of.hpp"
#include "cli/generate_json.hpp"
#include "cli/generate_run.hpp"
#include "cli/map_input.hpp"
#include "cli/render_command.hpp"
#include "mapfile/cp437.hpp"
#include "mapfile/swd_format.hpp"
#include "model/tables.hpp"

namespace swd::cli {

int RunGenerate(const GenerateArgs& args, std::ostream& out, std::ostream& err) {
  const Checked checked = CheckGenerateArgs(args);
  if (!checked.request) {
    Complain(err, checked.error, args.language);
    return kExitBadInput;
  }
  const GenerateRequest& req = *checked.request;
  const std::uint32_t seed = req.seed ? *req.seed : std::random_device{}();
  if (req.best_of > 0) return RunBestOf(req, seed, out, err);
  if (req.count > 0) return RunBatch(req, seed, out, err);
  if (!req.seed && !req.json) {
    out << Say({MessageKey::OutSeed, {Message::Number(seed)}}, req.language) << '\n';
  }

  CliHost host(HostOptionsFor(req));
  InstallInterruptHandler();
  const RunOutcome outcome = GenerateOnce(host, req.settings, seed);
  host.FinishLine();
  int status = ReportOutcome(outcome, host.save_problem(), req, out, err);
  status = ReportByProducts(status, host.trace_problem(), host.files(), req, out, err);
  // A map written without its trace is still a map written: scripts get its object.
  if (req.json && (status == kExitOk || status == kExitByProductFailed)) {
    WriteGenerateJson({outcome, host.files(), seed, FairnessOfFiles(host.files())}, out);
  } else if (status == kExitOk) {
    ReportFairness(outcome, host.files(), req.language, out);
  }
  // A run stopped by Ctrl-C has no times worth showing.
  if (req.timing && outcome.status != RunOutcome::Status::Cancelled) ReportTiming(host, out);
  return status;
}

int RunInfo(const std::filesystem::path& file, Language lang, std::ostream& out,
            std::ostream& err) {
  const MapInput input = LoadMapFile(file);
  if (!input.map) {
    Complain(err, input.problem, lang);
    return kExitBadInput;
  }
  const SwdHeader& h = input.map->header;
  std::vector<LabelledLine> lines = {
      {MessageKey::InfoTitle, Cp437ToUtf8(h.title_cp437)},
      {MessageKey::InfoAuthor, Cp437ToUtf8(h.author_cp437)},
  };
  if (!MapCodeOf(h).empty()) lines.push_back({MessageKey::InfoCode, MapCodeOf(h)});
  lines.push_back(
      {MessageKey::InfoSize, std::to_string(h.width) + " x " + std::to_string(h.height)});
  lines.push_back({MessageKey::InfoType, LandscapeTypeName(h.landscape_type)});
  lines.push_back({MessageKey::InfoPlayers, std::to_string(h.player_count)});
  for (int p = 1; p <= 7; ++p) {
    if (h.hq_x[p] && h.hq_y[p]) {
      lines.push_back({{MessageKey::InfoHeadquarters, {Message::Number(p)}},
                       std::to_string(*h.hq_x[p]) + ", " + std::to_string(*h.hq_y[p])});
    }
  }
  WriteLabelledLines(lines, lang, out);
  // The structure is sound, but the header holds what the game cannot load.
  const std::vector<MapFault> faults = FindMapFaults(h);
  for (const MapFault& fault : faults) {
    Complain(err, {MessageKey::CliOption, {Message::Verbatim(file.string()), fault.message}}, lang);
  }
  if (!faults.empty()) return kExitMapUnplayable;
  // The game refuses a map with a terrain code it does not know.
  if (const UnknownTerrain unknown = FindUnknownTerrain(*input.map); unknown.triangles > 0) {
    Complain(err,
             {MessageKey::CliOption,
              {Message::Verbatim(file.string()),
               {MessageKey::CliTerrainRefused, {UnknownTerrainText(unknown)}}}},
             lang);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace swd::cli
