#include "cli/commands.hpp"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <random>

#include "cli/cli_host.hpp"
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

  if (!host.problem().empty()) {
    err << "swdgen: " << host.problem() << '\n';
    return kExitWriteFailed;
  }
  switch (outcome.status) {
    case RunOutcome::Status::Written:
      out << "map " << outcome.map_path.string() << '\n'
          << "bitmap " << outcome.bitmap_path.string() << '\n'
          << "players " << outcome.players_placed << " of " << outcome.players_requested << '\n';
      return kExitOk;
    case RunOutcome::Status::Failed:
      err << "swdgen: " << outcome.message << '\n';
      return kExitBadInput;
    case RunOutcome::Status::Cancelled:
      err << "swdgen: interrupted, nothing written\n";
      return kExitInterrupted;
    case RunOutcome::Status::SaveCancelled:
      break;
  }
  err << "swdgen: the map was not saved\n";
  return kExitWriteFailed;
}

int RunInfo(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    err << "swdgen: " << file.string() << ": cannot be opened\n";
    return kExitBadInput;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  const SwdParse parsed = ParseSwd(bytes);
  if (!parsed.header) {
    err << "swdgen: " << file.string() << ": " << parsed.problem << '\n';
    return kExitBadInput;
  }
  const SwdHeader& h = *parsed.header;
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
  return kExitOk;
}

}  // namespace swd::cli
