#pragma once

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/generator.hpp"
#include "model/host.hpp"

namespace swd::cli {

// The time one row of a run took, from the end of the row before (or the start of the run).
struct RowTime {
  int row;
  std::string name;
  double ms;
};

// The command line's side of a run: a progress line on stderr, Ctrl-C as the cancel key,
// the save target from the options, the optional step trace and the rows' times.
class CliHost : public Host {
 public:
  struct Options {
    std::optional<std::filesystem::path> out;  // with ".swd"
    std::string title;
    std::optional<std::filesystem::path> dump_dir;
    bool show_progress = false;
    std::optional<std::string> author;  // none: the map's code where it fits
    bool timing = false;                // measures each row (StartClock, row_times)
    // Keeps the files of a save in memory instead of writing them (see files).
    bool keep_files = false;
    // Writes the picture of the map with its files, as PicturePath names it from this.
    std::optional<std::filesystem::path> picture;
    // Where --best-of tells of each candidate: "candidate seed S players P of N fairness F".
    std::ostream* candidates = nullptr;
  };

  explicit CliHost(Options options);

  // The generator whose grid the step trace dumps.
  void Attach(const Generator& g) { generator_ = &g; }

  void SetStatus(const Message& text) override;
  void ShowProgress(bool visible) override;
  void SetProgress(int value) override;
  bool CancelKeyHeld() override;
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget& proposal,
                                          const Message& problem) override;
  Message WriteFiles(const std::vector<FileContent>& files) override;
  void StepFinished(int row, std::string_view name) override;
  void CandidateFinished(const CandidateReport& report) override;
  void RunEnded() override;

  // The run starts now: the first row's time counts from here.
  void StartClock();
  // With timing, each row that ran and, last, the time after the last row until the run
  // ended (saving the map), without the time the step trace took.
  const std::vector<RowTime>& row_times() const { return row_times_; }
  std::optional<double> saving_ms() const { return saving_ms_; }

  // Why the map could not be saved; empty if it was, the run ended before or was interrupted.
  const std::string& save_problem() const { return save_problem_; }
  // Whether Ctrl-C (or SIGTERM) stopped the save before any of its files was replaced.
  bool save_interrupted() const { return interrupted_; }
  // Why the step trace is incomplete; empty if it was written or not asked for.
  const std::string& trace_problem() const { return trace_problem_; }
  // The files of the last save, the map first; kept in memory only with keep_files.
  std::vector<FileContent>& files() { return files_; }
  // Ends the progress line so that what follows starts on a fresh line; `keep` false
  // clears it instead, for what follows to take its place.
  void FinishLine(bool keep = true);

 private:
  void Redraw();
  void DumpStep(int row, std::string_view name);
  double MillisecondsSinceMark() const;

  Options options_;
  const Generator* generator_ = nullptr;
  std::string status_;
  int percent_ = -1;
  bool line_open_ = false;
  std::string save_problem_;
  bool interrupted_ = false;
  std::string trace_problem_;
  std::vector<FileContent> files_;
  std::chrono::steady_clock::time_point mark_;
  std::vector<RowTime> row_times_;
  std::optional<double> saving_ms_;
};

// Installs the handler of Ctrl-C and SIGTERM that CancelKeyHeld reports; true once either
// came. Every host of the process sees it, so that one Ctrl-C stops all runs of a batch.
void InstallInterruptHandler();
bool InterruptRequested();
// The exit status of a command they stopped: 128 + the signal (130 for Ctrl-C, 143 for
// SIGTERM), as a shell reports a command the signal ended.
int InterruptedStatus();

}  // namespace swd::cli
