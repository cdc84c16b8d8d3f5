#include "cli/commands.hpp"

#include <unistd.h>

#include <memory>
#include <ostream>
#include <random>

#include "cli/cli_host.hpp"
#include "cli/map_input.hpp"
#include "cli/render_command.hpp"
#include "mapfile/cp437.hpp"
#include "mapfile/swd_format.hpp"
#include "model/tables.hpp"
#include "run/run.hpp"

namespace swd::cli {

int RunGenerate(const GenerateArgs& args, std::ostream& out, std::ostream& err) {
  const Checked checked = CheckGenerateArgs(args);
  if (!checked.request) {
    err << "swdgen: " << checked.error << '\n';
    return kExitBadInput;
  }
  const GenerateRequest& req = *checked.request;
  const std::uint32_t seed = req.seed ? *req.seed : std::random_device{}();
  if (!req.seed) out << "seed " << seed << '\n';

  CliHost host({req.out, req.title, req.dump_dir, !req.quiet && isatty(STDERR_FILENO) == 1});
  InstallInterruptHandler();
  // The grid alone is almost a megabyte: keep the generator off the stack.
  auto g = std::make_unique<Generator>(host);
  host.Attach(*g);
  g->settings = req.settings;
  PrepareGeneration(*g);
  g->rng.Seed(seed);
  const RunOutcome outcome = RunGeneration(*g);
  host.FinishLine();

  int status = kExitWriteFailed;
  if (!host.save_problem().empty()) {
    err << "swdgen: " << host.save_problem() << '\n';
  } else {
    switch (outcome.status) {
      case RunOutcome::Status::Written:
        out << "map " << outcome.map_path.string() << '\n'
            << "bitmap " << outcome.bitmap_path.string() << '\n'
            << "players " << outcome.players_placed << " of " << outcome.players_requested << '\n';
        status = kExitOk;
        break;
      case RunOutcome::Status::Failed:
        err << "swdgen: " << outcome.message << '\n';
        status = kExitBadInput;
        break;
      case RunOutcome::Status::Cancelled:
        err << "swdgen: interrupted, nothing written\n";
        status = kExitInterrupted;
        break;
      case RunOutcome::Status::SaveCancelled:
        err << "swdgen: the map was not saved\n";
        break;
    }
  }
  // The trace and the picture are by-products: a map written without them has a status of its
  // own. The picture is drawn from the bytes just saved, as `render` would draw the file.
  std::string picture_problem;
  if (status == kExitOk && req.png) {
    const SwdMapRead saved = ReadSwdMap(host.saved_map());
    picture_problem = saved.map ? WriteMapPicture(*saved.map, {}, *req.png) : saved.problem;
    if (picture_problem.empty()) out << "picture " << req.png->string() << '\n';
  }
  for (const auto& [option, problem] :
       {std::pair{"--dump-steps", host.trace_problem()}, {"--png", picture_problem}}) {
    if (problem.empty()) continue;
    err << "swdgen: " << option << ": " << problem << '\n';
    if (status == kExitOk) status = kExitByProductFailed;
  }
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
      << "size    " << h.width << " x " << h.height << '\n'
      << "type    " << LandscapeTypeName(h.landscape_type) << '\n'
      << "players " << h.player_count << '\n';
  for (int p = 1; p <= 7; ++p) {
    if (h.hq_x[p] && h.hq_y[p]) {
      out << "hq " << p << "    " << *h.hq_x[p] << ", " << *h.hq_y[p] << '\n';
    }
  }
  // The structure is sound, but the game refuses a map with a terrain code it does not know.
  if (const UnknownTerrain unknown = FindUnknownTerrain(*input.map); unknown.triangles > 0) {
    err << "swdgen: " << file.string() << ": " << UnknownTerrainText(unknown)
        << "; das Spiel lädt diese Karte nicht.\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace swd::cli
