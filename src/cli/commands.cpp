#include "cli/commands.hpp"

#include <ostream>
#include <random>

#include "cli/analysis_output.hpp"
#include "cli/batch.hpp"
#include "cli/best_of.hpp"
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
    err << "swdgen: " << checked.error << '\n';
    return kExitBadInput;
  }
  const GenerateRequest& req = *checked.request;
  const std::uint32_t seed = req.seed ? *req.seed : std::random_device{}();
  if (req.best_of > 0) return RunBestOf(req, seed, out, err);
  if (req.count > 0) return RunBatch(req, seed, out, err);
  if (!req.seed) out << "seed " << seed << '\n';

  CliHost host(HostOptionsFor(req));
  InstallInterruptHandler();
  const RunOutcome outcome = GenerateOnce(host, req.settings, seed);
  host.FinishLine();
  int status = ReportOutcome(outcome, host.save_problem(), out, err);
  status = ReportByProducts(status, host.trace_problem(), host.files(), out, err);
  if (status == kExitOk) ReportFairness(outcome, host.files(), out);
  // A run stopped by Ctrl-C has no times worth showing.
  if (req.timing && outcome.status != RunOutcome::Status::Cancelled) ReportTiming(host, out);
  return status;
}

int RunInfo(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  const MapInput input = LoadMapFile(file);
  if (!input.map) {
    err << "swdgen: " << input.problem << '\n';
    return kExitBadInput;
  }
  const SwdHeader& h = input.map->header;
  out << "title   " << Cp437ToUtf8(h.title_cp437) << '\n'
      << "author  " << Cp437ToUtf8(h.author_cp437) << '\n'
      << (MapCodeOf(h).empty() ? "" : "code    " + MapCodeOf(h) + "\n") << "size    " << h.width
      << " x " << h.height << '\n'
      << "type    " << LandscapeTypeName(h.landscape_type) << '\n'
      << "players " << h.player_count << '\n';
  for (int p = 1; p <= 7; ++p) {
    if (h.hq_x[p] && h.hq_y[p]) {
      out << "hq " << p << "    " << *h.hq_x[p] << ", " << *h.hq_y[p] << '\n';
    }
  }
  // The structure is sound, but the header holds what the game cannot load.
  const std::vector<MapFault> faults = FindMapFaults(h);
  for (const MapFault& fault : faults)
    err << "swdgen: " << file.string() << ": " << fault.message.German() << '\n';
  if (!faults.empty()) return kExitMapUnplayable;
  // The game refuses a map with a terrain code it does not know.
  if (const UnknownTerrain unknown = FindUnknownTerrain(*input.map); unknown.triangles > 0) {
    err << "swdgen: " << file.string() << ": " << UnknownTerrainText(unknown)
        << "; das Spiel lädt diese Karte nicht.\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace swd::cli
