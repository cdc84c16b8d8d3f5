#include "cli/batch.hpp"

#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/analysis_output.hpp"
#include "cli/batch_map.hpp"
#include "cli/batch_summary.hpp"
#include "cli/cli_host.hpp"
#include "cli/commands.hpp"
#include "cli/contact_sheet.hpp"
#include "cli/generate_json.hpp"
#include "files/atomic_files.hpp"

namespace swd::cli {

namespace {

using Clock = std::chrono::steady_clock;

// "noch 2 min 5 s"
std::string TimeLeft(double seconds) {
  const long s = std::lround(seconds);
  if (s < 60) return std::to_string(s) + " s";
  if (s < 3600) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
  return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
}

// The batch's progress line on stderr: "37 von 100 Karten, 12,5 Karten/s, noch 5 s".
class ProgressLine {
 public:
  ProgressLine(int count, bool shown, Language language)
      : count_(count), shown_(shown), language_(language), start_(Clock::now()) {}

  void Show(int done) {
    if (!shown_) return;
    Message text(MessageKey::CliBatchProgress, {Message::Number(done), Message::Number(count_)});
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    if (done > 0 && seconds > 0) {
      const double rate = done / seconds;
      std::string per_second = FormatNumber(rate, rate < 10 ? 1 : 0);
      if (language_ == Language::German) per_second = WithDecimalComma(per_second);
      text = {MessageKey::CliBatchRate,
              {std::move(text), Message::Verbatim(per_second),
               Message::Verbatim(TimeLeft((count_ - done) / rate))}};
    }
    const std::string line = "\r\033[K" + Say(text, language_);
    std::fputs(line.c_str(), stderr);
    open_ = true;
  }
  void Clear() {
    if (open_) std::fputs("\r\033[K", stderr);
    open_ = false;
  }

 private:
  int count_;
  bool shown_;
  Language language_;
  bool open_ = false;
  Clock::time_point start_;
};

// Every map allocates and frees the same large blocks (the generator's grid and lists, the
// files, the pictures). By default the C library hands blocks this large back to the system
// when they are freed and the next map faults them in again, page by page, which costs a
// tenth of a map's time and, with several threads, more still (bench/batch_bench.cpp).
// Keeping them for the next map is what a batch wants.
void KeepFreedMemory() {
#ifdef __GLIBC__
  constexpr int kLargestBlock = 32 << 20;  // the largest threshold the library accepts
  mallopt(M_MMAP_THRESHOLD, kLargestBlock);
  mallopt(M_TRIM_THRESHOLD, 2 * kLargestBlock);
#endif
}

// What the threads share, under the mutex.
struct Shared {
  enum class Slot { Open, Written, Skipped };
  explicit Shared(int count) : slots(count, Slot::Open), maps(count) {}

  std::mutex mutex;
  std::condition_variable changed;
  std::vector<Slot> slots;  // per seed, in order
  std::vector<std::optional<BatchMap>> maps;
  int written = 0;
  int running = 0;  // threads still at work
  Message problem;
  int problem_status = kExitOk;
};

std::string MapLine(const BatchMap& m, bool analysed, Language language) {
  Message line(MessageKey::OutBatchMap,
               {Message::Verbatim(m.map.string()), Message::Number(m.seed),
                Message::Number(m.players_placed), Message::Number(m.players_requested)});
  if (analysed) {
    line = {MessageKey::OutBatchFairness,
            {std::move(line), m.fairness ? Message::Verbatim(FormatNumber(m.fairness->index, 3))
                                         : Message(MessageKey::OutNone)}};
  }
  return Say(line, language) + '\n';
}

// Writes the summary, its CSV and the sheet; returns the status after them (kExitByProductFailed
// when one could not be written, if nothing worse happened).
int WriteReports(const BatchReport& report, int status, std::vector<std::filesystem::path>& written,
                 std::ostream& out, std::ostream& err) {
  const GenerateRequest& r = report.request;
  std::vector<FileContent> summary;
  auto bytes = [](const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
  };
  summary.push_back({report.names.SummaryFile(".json"), bytes(BatchSummaryJson(report))});
  if (r.csv) summary.push_back({report.names.SummaryFile(".csv"), bytes(BatchSummaryCsv(report))});
  struct Report {
    MessageKey line;  // "summary FILE"
    std::vector<FileContent> files;
  };
  std::vector<Report> reports = {{MessageKey::OutSummary, std::move(summary)}};
  if (r.sheet) {
    reports.push_back(
        {MessageKey::OutSheet, {{*r.sheet, bytes(ContactSheetHtml(report, *r.sheet))}}});
  }
  for (const Report& rep : reports) {
    if (const Message problem = WriteFilesAtomically(rep.files); !problem.empty()) {
      Complain(err, problem, r.language);
      if (status == kExitOk) status = kExitByProductFailed;
      continue;
    }
    for (const FileContent& f : rep.files) {
      if (!r.json) out << Say({rep.line, {Message::Verbatim(f.path.string())}}, r.language) << '\n';
      written.push_back(f.path);
    }
  }
  return status;
}

}  // namespace

int RunBatch(const GenerateRequest& request, std::uint32_t first_seed, std::ostream& out,
             std::ostream& err) {
  InstallInterruptHandler();
  KeepFreedMemory();
  const BatchNames names = BatchNames::For(request);
  const int count = request.count;
  const int jobs = std::min(request.jobs, count);
  Shared shared(count);
  std::atomic<int> next{0};
  std::atomic<bool> stop{false};

  auto work = [&] {
    for (;;) {
      const int i = next.fetch_add(1);
      if (i >= count || stop.load() || InterruptRequested()) break;
      BatchMapResult result;
      try {
        result = MakeBatchMap(request, names, first_seed + static_cast<std::uint32_t>(i), stop);
      } catch (const std::exception& e) {
        // As the command's own thread would tell it, instead of ending the program.
        result.status = BatchMapResult::Status::Failed;
        result.problem = {MessageKey::CliInternalError, {Message::Verbatim(e.what())}};
        result.exit_status = kExitInternalError;
      }
      const std::lock_guard lock(shared.mutex);
      if (result.status == BatchMapResult::Status::Written) {
        shared.maps[i] = std::move(result.map);
        shared.slots[i] = Shared::Slot::Written;
        ++shared.written;
      } else {
        shared.slots[i] = Shared::Slot::Skipped;
      }
      if (result.status == BatchMapResult::Status::Failed) {
        // The first failure is the one to tell; the others follow from it.
        if (shared.problem.empty()) {
          shared.problem = result.problem;
          shared.problem_status = result.exit_status;
        }
        stop.store(true);
      }
      shared.changed.notify_one();
    }
    const std::lock_guard lock(shared.mutex);
    --shared.running;
    shared.changed.notify_one();
  };

  ProgressLine progress(count, !request.quiet && isatty(STDERR_FILENO) == 1, request.language);
  shared.running = jobs;
  std::vector<std::jthread> threads;
  for (int t = 0; t < jobs; ++t)
    threads.emplace_back(work);

  // The lines of the maps go out in the order of their seeds, each as soon as the maps
  // before it are done, whichever thread finished first.
  std::size_t told = 0;
  auto tell = [&](bool all) {
    std::string lines;
    for (; told < shared.slots.size(); ++told) {
      if (shared.slots[told] == Shared::Slot::Open && !all) break;
      if (shared.maps[told] && !request.json) {
        lines += MapLine(*shared.maps[told], request.analyze, request.language);
      }
    }
    return lines;
  };
  {
    std::unique_lock lock(shared.mutex);
    while (shared.running > 0) {
      shared.changed.wait_for(lock, std::chrono::milliseconds(250));
      const std::string lines = tell(false);
      const int written = shared.written;
      lock.unlock();
      if (!lines.empty()) {
        progress.Clear();
        out << lines << std::flush;
      }
      progress.Show(written);
      lock.lock();
    }
  }
  for (auto& t : threads)
    t.join();
  progress.Clear();
  out << tell(true);

  BatchReport report{request, names, first_seed, {}, shared.written == count};
  for (auto& m : shared.maps) {
    if (m) report.maps.push_back(std::move(*m));
  }
  int status = shared.problem.empty() ? kExitOk : shared.problem_status;
  if (!shared.problem.empty()) Complain(err, shared.problem, request.language);
  if (InterruptRequested() && status == kExitOk && !report.complete) status = InterruptedStatus();
  // Without a map there is nothing to describe, and an earlier batch's summary stays.
  std::vector<std::filesystem::path> reports;
  if (!report.maps.empty()) status = WriteReports(report, status, reports, out, err);
  const std::vector<Message> written = {Message::Number(static_cast<long long>(report.maps.size())),
                                        Message::Number(count)};
  if (InterruptRequested() && status == InterruptedStatus()) {
    Complain(err, {MessageKey::CliInterruptedMaps, written}, request.language);
  } else if (!report.complete) {
    Complain(err, {MessageKey::CliMapsWritten, written}, request.language);
  } else if (!request.json) {
    out << Say({MessageKey::CliMapsWritten, written}, request.language) << '\n';
  }
  if (request.json) WriteBatchJson(report, reports, out);
  return status;
}

}  // namespace swd::cli
