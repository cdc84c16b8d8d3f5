#include "run/best_of.hpp"

#include <algorithm>

#include "analysis/map_analysis.hpp"
#include "mapfile/swd_map.hpp"

namespace swd {

namespace {

// The front end's host for a candidate: what it shows goes through, marked with the
// candidate; it is not asked where to save, and the map stays in memory for the analysis.
class CandidateHost : public Host {
 public:
  CandidateHost(Host& real, int number, int count) : real_(real), number_(number), count_(count) {}

  void SetStatus(const Message& text) override {
    if (text.empty()) return real_.SetStatus(text);
    real_.SetStatus(
        {MessageKey::CandidateStatus, {Message::Number(number_), Message::Number(count_), text}});
  }
  void ShowProgress(bool visible) override { real_.ShowProgress(visible); }
  void SetProgress(int value) override { real_.SetProgress(value); }
  void RefreshPreview() override { real_.RefreshPreview(); }
  void Yield() override { real_.Yield(); }
  bool CancelKeyHeld() override { return real_.CancelKeyHeld(); }
  void SetHint(const Message& text) override { real_.SetHint(text); }
  // The front end's buttons stay as they are until the chosen run has ended.
  void RunEnded() override {}
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget& proposal,
                                          const Message& problem) override {
    if (!problem.empty()) return std::nullopt;
    return proposal;
  }
  Message WriteFiles(const std::vector<FileContent>& files) override {
    if (!files.empty()) map_ = files.front().bytes;
    return {};
  }
  std::optional<std::uint32_t> ClockSeed() override { return real_.ClockSeed(); }
  void StepFinished(int row, std::string_view name) override { real_.StepFinished(row, name); }

  const std::vector<std::uint8_t>& map() const { return map_; }

 private:
  Host& real_;
  int number_;
  int count_;
  std::vector<std::uint8_t> map_;
};

std::optional<double> FairnessOf(const std::vector<std::uint8_t>& map) {
  const SwdMapRead read = ReadSwdMap(map);
  if (!read.map) return std::nullopt;
  const auto fairness = AnalyzeMap(*read.map, kDefaultRadius).fairness;
  return fairness ? std::optional<double>(fairness->index) : std::nullopt;
}

}  // namespace

bool BetterCandidate(const CandidateReport& a, const CandidateReport& b) {
  if (a.players_placed != b.players_placed) return a.players_placed > b.players_placed;
  return a.fairness.value_or(-1) > b.fairness.value_or(-1);
}

BestOfOutcome RunBestOf(Generator& g, std::uint32_t first_seed, int count) {
  BestOfOutcome result;
  Host& real = *g.host;
  count = std::max(count, 1);
  std::optional<CandidateReport> best;
  for (int i = 0; i < count; ++i) {
    const std::uint32_t seed = first_seed + static_cast<std::uint32_t>(i);
    CandidateHost host(real, i + 1, count);
    g.host = &host;
    PrepareSeededRun(g, seed);
    const RunOutcome run = RunGeneration(g);
    g.host = &real;
    if (run.status != RunOutcome::Status::Written) {
      // Stopped or refused: the front end learns it as from any run, and nothing is saved.
      result.outcome = run;
      EndGeneration(g);
      return result;
    }
    CandidateReport report{
        i + 1, count, seed, run.players_placed, run.players_requested, FairnessOf(host.map())};
    real.CandidateFinished(report);
    result.candidates.push_back(report);
    if (!best || BetterCandidate(report, *best)) best = report;
  }
  result.chosen = best->seed;
  PrepareSeededRun(g, best->seed);
  result.outcome = RunGeneration(g);
  return result;
}

}  // namespace swd
