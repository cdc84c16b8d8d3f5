#include "cli/best_of.hpp"

#include <memory>
#include <ostream>

#include "cli/commands.hpp"
#include "cli/generate_json.hpp"
#include "cli/generate_run.hpp"
#include "run/best_of.hpp"

namespace swd::cli {

int RunBestOf(const GenerateRequest& request, std::uint32_t first_seed, std::ostream& out,
              std::ostream& err) {
  InstallInterruptHandler();
  CliHost::Options options = HostOptionsFor(request);
  options.candidates = request.json ? nullptr : &out;
  CliHost host(options);
  auto g = std::make_unique<Generator>(host);
  host.Attach(*g);
  g->settings = request.settings;
  const BestOfOutcome best = swd::RunBestOf(*g, first_seed, request.best_of);
  host.FinishLine();
  RunOutcome outcome = best.outcome;
  // Ctrl-C while the files were being saved stops the save before it replaces anything.
  if (host.save_interrupted()) outcome.status = RunOutcome::Status::Cancelled;
  if (best.chosen && outcome.status != RunOutcome::Status::Cancelled && !request.json) {
    out << Say({MessageKey::OutChosen, {Message::Number(*best.chosen)}}, request.language) << '\n';
  }
  int status = ReportOutcome(outcome, host.save_problem(), request, out, err);
  status = ReportByProducts(status, {}, host.files(), request, out, err);
  if (status != kExitOk || !best.chosen) return status;
  if (request.json) {
    WriteGenerateJson(
        {outcome, host.files(), *best.chosen, FairnessOfFiles(host.files()), &best.candidates},
        out);
  } else {
    ReportFairness(outcome, host.files(), request.language, out);
  }
  return status;
}

}  // namespace swd::cli
