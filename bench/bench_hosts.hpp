#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "files/atomic_files.hpp"
#include "model/host.hpp"

namespace swd::bench {

// Shows nothing and saves nowhere: a run that reaches the save dialog ends there.
class QuietHost : public Host {
 public:
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget&, const Message&) override {
    return std::nullopt;
  }
  Message WriteFiles(const std::vector<FileContent>&) override { return {}; }
};

// Saves every map into one scratch folder, under the same name, as the command line does.
class SavingHost : public QuietHost {
 public:
  explicit SavingHost(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget&, const Message& problem) override {
    if (!problem.empty()) return std::nullopt;
    return SaveTarget{folder_, "bench", "Bench"};
  }
  Message WriteFiles(const std::vector<FileContent>& files) override {
    return WriteFilesAtomically(files);
  }

 private:
  std::filesystem::path folder_;
};

// Makes the map's bytes but keeps them: the run without the disk's flushes, whose time
// depends on the disk and on everything else that writes to it.
class InMemoryHost : public QuietHost {
 public:
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget&, const Message& problem) override {
    if (!problem.empty()) return std::nullopt;
    return SaveTarget{"/nonexistent", "bench", "Bench"};
  }
  Message WriteFiles(const std::vector<FileContent>& files) override {
    map = files.front().bytes;
    return {};
  }
  std::vector<std::uint8_t> map;  // the map file's bytes
};

}  // namespace swd::bench
