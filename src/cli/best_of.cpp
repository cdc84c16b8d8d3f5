#include "cli/best_of.hpp"

#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "analysis/map_analysis.hpp"
#include "cli/analysis_output.hpp"
#include "cli/commands.hpp"
#include "cli/generate_run.hpp"
#include "cli/render_command.hpp"
#include "files/atomic_files.hpp"

namespace swd::cli {

namespace {

struct Candidate {
  std::uint32_t seed = 0;
  RunOutcome outcome;
  std::optional<double> fairness;  // none with fewer than two starts
  std::vector<FileContent> files;  // the map and its bitmap, not yet written

  // More players placed first, then fairer starts; a map without fairness counts least.
  bool BetterThan(const Candidate& other) const {
    if (outcome.players_placed != other.outcome.players_placed) {
      return outcome.players_placed > other.outcome.players_placed;
    }
    return fairness.value_or(-1) > other.fairness.value_or(-1);
  }
};

}  // namespace

int RunBestOf(const GenerateRequest& request, std::uint32_t first_seed, std::ostream& out,
              std::ostream& err) {
  InstallInterruptHandler();
  std::optional<Candidate> best;
  for (int i = 0; i < request.best_of; ++i) {
    Candidate c;
    c.seed = first_seed + static_cast<std::uint32_t>(i);
    CliHost::Options options = HostOptionsFor(request);
    options.keep_files = true;
    options.status_prefix =
        "Kandidat " + std::to_string(i + 1) + " von " + std::to_string(request.best_of) + ": ";
    CliHost host(options);
    c.outcome = GenerateOnce(host, request.settings, c.seed);
    host.FinishLine(false);
    if (c.outcome.status != RunOutcome::Status::Written) {
      return ReportOutcome(c.outcome, host.save_problem(), out, err);
    }
    c.files = std::move(host.files());
    const SwdMapRead read = ReadSwdMap(c.files.front().bytes);
    if (!read.map) throw std::logic_error("a candidate's map cannot be read back: " + read.problem);
    if (const auto fairness = AnalyzeMap(*read.map, kDefaultRadius).fairness) {
      c.fairness = fairness->index;
    }
    out << "candidate seed " << c.seed << " players " << c.outcome.players_placed << " of "
        << c.outcome.players_requested << " fairness "
        << (c.fairness ? FormatNumber(*c.fairness, 3) : std::string("none")) << '\n';
    if (InterruptRequested()) {
      return ReportOutcome(RunOutcome{}, {}, out, err);  // a run not finished: Cancelled
    }
    if (!best || c.BetterThan(*best)) best = std::move(c);
  }
  out << "chosen seed " << best->seed << '\n';
  std::string problem;
  if (request.png) problem = AddMapPicture(best->files, *request.png);
  if (problem.empty()) {
    const Message saved = WriteFilesAtomically(best->files, InterruptRequested);
    if (saved.key() == MessageKey::SaveInterrupted) return ReportOutcome({}, {}, out, err);
    problem = saved.German();
  }
  const int status = ReportOutcome(best->outcome, problem, out, err);
  return ReportByProducts(status, {}, best->files, out, err);
}

}  // namespace swd::cli
