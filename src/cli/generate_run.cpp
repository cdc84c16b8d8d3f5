#include "cli/generate_run.hpp"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <ostream>

#include "cli/commands.hpp"
#include "cli/render_command.hpp"
#include "mapfile/swd_map.hpp"

namespace swd::cli {

CliHost::Options HostOptionsFor(const GenerateRequest& request) {
  CliHost::Options options;
  options.out = request.out;
  options.title = request.title;
  options.dump_dir = request.dump_dir;
  options.show_progress = !request.quiet && isatty(STDERR_FILENO) == 1;
  options.start_objects = request.start_objects;
  options.timing = request.timing;
  return options;
}

RunOutcome GenerateOnce(CliHost& host, const GeneratorSettings& settings, std::uint32_t seed) {
  // The grid alone is almost a megabyte: keep the generator off the stack.
  auto g = std::make_unique<Generator>(host);
  host.Attach(*g);
  g->settings = settings;
  PrepareGeneration(*g);
  g->rng.Seed(seed);
  host.StartClock();
  return RunGeneration(*g);
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
      return kExitOk;
    case RunOutcome::Status::Failed:
      err << "swdgen: " << outcome.message.German() << '\n';
      return kExitBadInput;
    case RunOutcome::Status::Cancelled:
      err << "swdgen: interrupted, nothing written\n";
      return kExitInterrupted;
    case RunOutcome::Status::SaveCancelled:
      err << "swdgen: the map was not saved\n";
      break;
  }
  return kExitWriteFailed;
}

int ReportByProducts(int status, const GenerateRequest& request, const std::string& trace_problem,
                     const std::vector<FileContent>& files, std::ostream& out, std::ostream& err) {
  std::string picture_problem;
  if (status == kExitOk && request.png && !files.empty()) {
    const std::filesystem::path png =
        request.png->empty() ? std::filesystem::path(files.front().path).replace_extension(".png")
                             : *request.png;
    const SwdMapRead saved = ReadSwdMap(files.front().bytes);
    picture_problem = saved.map ? WriteMapPicture(*saved.map, {}, png) : saved.problem;
    if (picture_problem.empty()) out << "picture " << png.string() << '\n';
  }
  for (const auto& [option, problem] :
       {std::pair{"--dump-steps", trace_problem}, {"--png", picture_problem}}) {
    if (problem.empty()) continue;
    err << "swdgen: " << option << ": " << problem << '\n';
    if (status == kExitOk) status = kExitByProductFailed;
  }
  return status;
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
