#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/atomic_files.hpp"
#include "model/host.hpp"

namespace swd::test {

// A host that answers the save request with a fixed target and records what the run did.
class RecordingHost : public Host {
 public:
  explicit RecordingHost(std::filesystem::path folder = {}, std::string name = "test",
                         std::string title = "Test")
      : target_{std::move(folder), std::move(name), std::move(title)} {}

  void SetStatus(const Message& text) override { statuses.push_back(text.German()); }
  void SetHint(const Message& text) override { hints.push_back(text.German()); }
  void RunEnded() override { ++runs_ended; }
  bool CancelKeyHeld() override {
    ++cancel_queries;
    return cancel_after >= 0 && cancel_queries > cancel_after;
  }
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget& proposal,
                                          const Message& problem) override {
    proposals.push_back(proposal);
    problems.push_back(problem.German());
    if (answers.empty()) return target_;
    auto next = answers.front();
    answers.erase(answers.begin());
    return next;
  }
  Message WriteFiles(const std::vector<FileContent>& files) override {
    return WriteFilesAtomically(files);
  }
  void StepFinished(int row, std::string_view name) override {
    rows.push_back(row);
    names.emplace_back(name);
  }
  std::optional<std::uint32_t> ClockSeed() override { return clock_seed; }

  // Answers given in turn to the save requests; once used up, the fixed target.
  std::vector<std::optional<SaveTarget>> answers;
  // The cancel key counts as held from query number cancel_after + 1 on; -1: never.
  int cancel_after = -1;
  // What the clock reseeds get; none leaves the generator as it is.
  std::optional<std::uint32_t> clock_seed;

  std::vector<std::string> statuses, hints, names, problems;
  std::vector<SaveTarget> proposals;
  std::vector<int> rows;
  int runs_ended = 0;
  int cancel_queries = 0;

 private:
  SaveTarget target_;
};

// A fresh temporary folder, removed again with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path);

}  // namespace swd::test
