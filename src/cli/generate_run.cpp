#include "cli/generate_run.hpp"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <ostream>

#include "analysis/map_analysis.hpp"
#include "cli/analysis_output.hpp"
#include "cli/commands.hpp"
#include "mapfile/swd_map.hpp"

namespace swd::cli {

CliHost::Options HostOptionsFor(const GenerateRequest& request) {
  CliHost::Options options;
  options.out = request.out;
  options.title = request.title;
  options.dump_dir = request.dump_dir;
  options.show_progress = !request.quiet && isatty(STDERR_FILENO) == 1;
  options.author = request.author;
  options.timing = request.timing;
  options.picture = request.png;
  return options;
}

RunOutcome GenerateOnce(CliHost& host, const GeneratorSettings& settings, std::uint32_t seed) {
  // The grid alone is almost a megabyte: keep the generator off the stack.
  auto g = std::make_unique<Generator>(host);
  host.Attach(*g);
  g->settings = settings;
  PrepareSeededRun(*g, seed);
  host.StartClock();
  RunOutcome outcome = RunGeneration(*g);
  // Ctrl-C while the files were being saved stops the save before it replaces anything.
  if (host.save_interrupted()) outcome.status = RunOutcome::Status::Cancelled;
  return outcome;
}

int ReportOutcome(const RunOutcome& outcome, const std::string& save_problem, std::ostream& out,
                  std::ostream& err) {
  if (!save_problem.empty()) {
    err << "swdgen: " << save_problem << '\n';
    return kExitWriteFailed;
  }
  switch (outcome.status) {
    case RunOutcome::Status::Written:
      out << "map " << outcome.map_path.string() << '\n'
          << "bitmap " << outcome.bitmap_path.string() << '\n'
          << "players " << outcome.players_placed << " of " << outcome.players_requested << '\n';
      if (!outcome.code.empty()) out << "code " << outcome.code << '\n';
      return kExitOk;
    case RunOutcome::Status::Failed:
      err << "swdgen: " << outcome.message.German() << '\n';
      return kExitBadInput;
    case RunOutcome::Status::Cancelled:
      err << "swdgen: interrupted, nothing written\n";
      return InterruptedStatus();
    case RunOutcome::Status::SaveCancelled:
      err << "swdgen: the map was not saved\n";
      break;
  }
  return kExitWriteFailed;
}

int ReportByProducts(int status, const std::string& trace_problem,
                     const std::vector<FileContent>& files, std::ostream& out, std::ostream& err) {
  if (status == kExitOk && files.size() > 2) out << "picture " << files[2].path.string() << '\n';
  if (!trace_problem.empty()) {
    err << "swdgen: --dump-steps: " << trace_problem << '\n';
    if (status == kExitOk) status = kExitByProductFailed;
  }
  return status;
}

void ReportFairness(const RunOutcome& outcome, const std::vector<FileContent>& files,
                    std::ostream& out) {
  if (!outcome.fairness_before || files.empty()) return;
  std::string after = "none";
  if (const SwdMapRead read = ReadSwdMap(files.front().bytes); read.map) {
    if (const auto fairness = AnalyzeMap(*read.map, kDefaultRadius).fairness) {
      after = FormatNumber(fairness->index, 3);
    }
  }
  out << "fairness before " << FormatNumber(*outcome.fairness_before, 3) << " after " << after
      << '\n';
}

void ReportTiming(const CliHost& host, std::ostream& out) {
  if (!host.saving_ms()) return;
  double total = 0;
  auto line = [&](const std::string& row, const std::string& name, double ms) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "time %2s %-24s %10.3f ms\n", row.c_str(), name.c_str(), ms);
    out << buf;
    total += ms;
  };
  for (const RowTime& t : host.row_times())
    line(std::to_string(t.row), t.name, t.ms);
  line("", "WriteMapFile", *host.saving_ms());
  line("", "total", total);
}

}  // namespace swd::cli
