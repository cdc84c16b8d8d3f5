#include "cli/best_of.hpp"

#include <memory>
#include <ostream>

#include "cli/commands.hpp"
#include "cli/generate_run.hpp"
#include "run/best_of.hpp"

namespace swd::cli {

int RunBestOf(const GenerateRequest& request, std::uint32_t first_seed, std::ostream& out,
              std::ostream& err) {
  InstallInterruptHandler();
  CliHost::Options options = HostOptionsFor(request);
  options.candidates = &out;
  CliHost host(options);
  auto g = std::make_unique<Generator>(host);
  host.Attach(*g);
  g->settings = request.settings;
  const BestOfOutcome best = swd::RunBestOf(*g, first_seed, request.best_of);
  host.FinishLine();
  RunOutcome outcome = best.outcome;
  // Ctrl-C while the files were being saved stops the save before it replaces anything.
  if (host.save_interrupted()) outcome.status = RunOutcome::Status::Cancelled;
  if (best.chosen && outcome.status != RunOutcome::Status::Cancelled) {
    out << "chosen seed " << *best.chosen << '\n';
  }
  int status = ReportOutcome(outcome, host.save_problem(), out, err);
  status = ReportByProducts(status, {}, host.files(), out, err);
  if (status == kExitOk) ReportFairness(outcome, host.files(), out);
  return status;
}

}  // namespace swd::cli
