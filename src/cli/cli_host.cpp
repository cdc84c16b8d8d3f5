#include "cli/cli_host.hpp"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <ostream>
#include <system_error>
#include <vector>

#include "cli/analysis_output.hpp"
#include "cli/render_command.hpp"
#include "files/atomic_files.hpp"
#include "files/file_writer.hpp"

namespace swd::cli {

namespace {
// The one piece of process-wide state: a signal handler can only talk through a flag. An
// atomic one, since the runs of a batch read it on threads of their own; a lock-free atomic
// may be set in a signal handler. It holds the signal that asked the command to stop, 0
// while none has.
std::atomic<int> g_interrupt{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnInterrupt(int signal) {
  int none = 0;
  g_interrupt.compare_exchange_strong(none, signal);
}

std::string TwoDigits(int n) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}
}  // namespace

void InstallInterruptHandler() {
  // SIGTERM is how scripts and service managers ask a command to stop: it gets what Ctrl-C
  // gets, an orderly end with what is written told and described.
  for (const int signal : {SIGINT, SIGTERM})
    std::signal(signal, OnInterrupt);
}
bool InterruptRequested() {
  return g_interrupt.load() != 0;
}
int InterruptedStatus() {
  const int signal = g_interrupt.load();
  return 128 + (signal != 0 ? signal : SIGINT);
}

CliHost::CliHost(Options options) : options_(std::move(options)) {}

void CliHost::SetStatus(const Message& text) {
  status_ = Say(text, options_.language);
  Redraw();
}

void CliHost::ShowProgress(bool visible) {
  percent_ = visible ? 0 : -1;
  Redraw();
}

void CliHost::SetProgress(int value) {
  if (value == percent_) return;
  percent_ = value;
  Redraw();
}

void CliHost::Redraw() {
  if (!options_.show_progress) return;
  std::string line = "\r\033[K" + status_;
  if (percent_ >= 0) line += " " + std::to_string(percent_) + " %";
  std::fputs(line.c_str(), stderr);
  line_open_ = true;
}

void CliHost::FinishLine(bool keep) {
  if (line_open_) std::fputs(keep ? "\n" : "\r\033[K", stderr);
  line_open_ = false;
}

bool CliHost::CancelKeyHeld() {
  return InterruptRequested();
}

std::optional<SaveTarget> CliHost::AskSaveTarget(const SaveTarget& proposal,
                                                 const Message& problem) {
  // The command line has nobody to ask again: a second request means the first answer
  // could not be used, and the run ends with that reason.
  if (!problem.empty()) {
    if (!interrupted_) save_problem_ = problem;
    return std::nullopt;
  }
  SaveTarget target = proposal;
  target.title = options_.title;
  target.author = options_.author;
  if (options_.out) {
    // Without a file name, --out names the folder the proposed name goes into.
    target.folder = options_.out->parent_path();
    if (options_.out->has_filename()) target.name = options_.out->stem().string();
  } else {
    // Where the current folder is gone or cannot be named, "." stands for it and the
    // writer reports what is wrong with it.
    std::error_code ec;
    target.folder = std::filesystem::current_path(ec);
  }
  if (target.folder.empty()) target.folder = ".";
  return target;
}

Message CliHost::WriteFiles(const std::vector<FileContent>& files) {
  // The files stay at hand after the save: --best-of keeps every candidate's in memory and
  // writes only the chosen one's.
  files_ = files;
  if (options_.keep_files) return {};
  if (options_.picture) {
    // The picture is one of the set: runs saving under one name at once leave the picture
    // of the map beside it, never another run's.
    if (Message problem = AddMapPicture(files_, *options_.picture); !problem.empty()) {
      return problem;
    }
  }
  Message problem = WriteFilesAtomically(files_, InterruptRequested);
  interrupted_ = problem.key() == MessageKey::SaveInterrupted;
  return problem;
}

void CliHost::StartClock() {
  row_times_.clear();
  saving_ms_.reset();
  mark_ = std::chrono::steady_clock::now();
}

double CliHost::MillisecondsSinceMark() const {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mark_)
      .count();
}

void CliHost::StepFinished(int row, std::string_view name) {
  if (options_.timing) row_times_.push_back({row, std::string(name), MillisecondsSinceMark()});
  DumpStep(row, name);
  // The next row's time starts after the trace is written, which is no part of the run.
  if (options_.timing) mark_ = std::chrono::steady_clock::now();
}

void CliHost::CandidateFinished(const CandidateReport& report) {
  if (options_.candidates == nullptr) return;
  FinishLine(false);
  const Message fairness =
      report.fairness ? Message::Verbatim(FormatNumber(*report.fairness, 3)) : MessageKey::OutNone;
  *options_.candidates << Say({MessageKey::OutCandidate,
                               {Message::Number(report.seed),
                                Message::Number(report.players_placed),
                                Message::Number(report.players_requested), fairness}},
                              options_.language)
                       << '\n'
                       << std::flush;
}

void CliHost::RunEnded() {
  if (options_.timing && !row_times_.empty()) saving_ms_ = MillisecondsSinceMark();
}

void CliHost::DumpStep(int row, std::string_view name) {
  if (!options_.dump_dir || generator_ == nullptr || !trace_problem_.empty()) return;
  const Generator& g = *generator_;
  const int w = g.run.MapWidth;
  const int h = g.run.MapHeight;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(kLayerCount) * w * h);
  for (int k = 0; k < kLayerCount; ++k) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x)
        bytes.push_back(g.grid(x, y, k));
    }
  }
  const std::string line =
      TwoDigits(row) + ' ' + std::string(name) + " draws=" + std::to_string(g.rng.Draws()) + '\n';
  const struct {
    std::filesystem::path path;
    std::vector<std::uint8_t> bytes;
    WriteMode mode;
  } writes[] = {
      {*options_.dump_dir / (TwoDigits(row) + "-" + std::string(name) + ".bin"), std::move(bytes),
       WriteMode::Replace},
      {*options_.dump_dir / "steps.txt",
       {line.begin(), line.end()},
       row == 1 ? WriteMode::Replace : WriteMode::Append},
  };
  std::error_code ec;
  std::filesystem::create_directories(*options_.dump_dir, ec);
  if (ec) {
    trace_problem_ = {
        MessageKey::FolderNotCreated,
        {Message::Verbatim(options_.dump_dir->string()), Message::Verbatim(ec.message())}};
    return;
  }
  for (const auto& file : writes) {
    if (const Message problem = WriteWholeFile(file.path, file.bytes, file.mode);
        !problem.empty()) {
      trace_problem_ = problem;
      return;
    }
  }
}

}  // namespace swd::cli
