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
  options.language = request.language;
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

int ReportOutcome(const RunOutcome& outcome, const Message& save_problem,
                  const GenerateRequest& request, std::ostream& out, std::ostream& err) {
  const Language lang = request.language;
  if (!save_problem.empty()) {
    Complain(err, save_problem, lang);
    return kExitWriteFailed;
  }
  const auto line = [&](MessageKey key, std::vector<Message> args) {
    if (!request.json) out << Say({key, std::move(args)}, lang) << '\n';
  };
  switch (outcome.status) {
    case RunOutcome::Status::Written:
      line(MessageKey::OutMap, {Message::Verbatim(outcome.map_path.string())});
      line(MessageKey::OutBitmap, {Message::Verbatim(outcome.bitmap_path.string())});
      line(MessageKey::OutPlayers,
           {Message::Number(outcome.players_placed), Message::Number(outcome.players_requested)});
      if (!outcome.code.empty()) line(MessageKey::OutCode, {Message::Verbatim(outcome.code)});
      return kExitOk;
    case RunOutcome::Status::Failed:
      Complain(err, outcome.message, lang);
      return kExitBadInput;
    case RunOutcome::Status::Cancelled:
      Complain(err, MessageKey::CliInterrupted, lang);
      return InterruptedStatus();
    case RunOutcome::Status::SaveCancelled:
      Complain(err, MessageKey::CliNotSaved, lang);
      break;
  }
  return kExitWriteFailed;
}

int ReportByProducts(int status, const Message& trace_problem,
                     const std::vector<FileContent>& files, const GenerateRequest& request,
                     std::ostream& out, std::ostream& err) {
  if (status == kExitOk && files.size() > 2 && !request.json) {
    out << Say({MessageKey::OutPicture, {Message::Verbatim(files[2].path.string())}},
               request.language)
        << '\n';
  }
  if (!trace_problem.empty()) {
    Complain(err, {MessageKey::CliOption, {Message::Verbatim("--dump-steps"), trace_problem}},
             request.language);
    if (status == kExitOk) status = kExitByProductFailed;
  }
  return status;
}

std::optional<double> FairnessOfFiles(const std::vector<FileContent>& files) {
  if (files.empty()) return std::nullopt;
  if (const SwdMapRead read = ReadSwdMap(files.front().bytes); read.map) {
    if (const auto fairness = AnalyzeMap(*read.map, kDefaultRadius).fairness) {
      return fairness->index;
    }
  }
  return std::nullopt;
}

void ReportFairness(const RunOutcome& outcome, const std::vector<FileContent>& files,
                    Language language, std::ostream& out) {
  if (!outcome.fairness_before || files.empty()) return;
  const std::optional<double> after = FairnessOfFiles(files);
  out << Say({MessageKey::OutFairness,
              {Message::Verbatim(FormatNumber(*outcome.fairness_before, 3)),
               after ? Message::Verbatim(FormatNumber(*after, 3)) : MessageKey::OutNone}},
             language)
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
