#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/messages.hpp"

namespace swd {

// Where and under which name the finished map is saved.
struct SaveTarget {
  std::filesystem::path folder;
  std::string name;   // file name without extension, 1..8 letters, digits, '-', '_'
  std::string title;  // landscape title, UTF-8
  // Marks each placed player's headquarters with a start-position object as well: engines
  // such as Return to the Roots take the start positions only from the objects. The
  // proposal holds the setting "start_objects"; the answer what is written.
  bool start_objects = false;
  // The header's author field: none writes the map's code where it fits (20 characters),
  // else the program's name; a text (CP437, at most 20 bytes) is written as it is.
  std::optional<std::string> author = std::nullopt;
};

// One candidate of the choice of the fairest of several seeds (run/best_of.hpp): its seed,
// the players placed and the fairness index of their starts (none for fewer than two).
struct CandidateReport {
  int number = 0;  // 1..count
  int count = 0;
  std::uint32_t seed = 0;
  int players_placed = 0;
  int players_requested = 0;
  std::optional<double> fairness;
};

// One file of a save: where it goes and what it holds.
struct FileContent {
  std::filesystem::path path;
  std::vector<std::uint8_t> bytes;
};

// The platform side of a run: everything the generator shows or asks goes through here.
// The wizard, the command line and the tests each implement it.
class Host {
 public:
  virtual ~Host() = default;

  // An empty message clears the status line.
  virtual void SetStatus(const Message& /*text*/) {}
  virtual void ShowProgress(bool /*visible*/) {}
  virtual void SetProgress(int /*value*/) {}
  // The preview image changed; a front end may repaint now or later.
  virtual void RefreshPreview() {}
  // Lets the user interface process pending events.
  virtual void Yield() {}
  // True while the cancel key is held at this moment.
  virtual bool CancelKeyHeld() { return false; }
  virtual void SetHint(const Message& /*text*/) {}
  // The run ended, finished or cancelled: the front end re-enables its buttons.
  virtual void RunEnded() {}
  // Asks for the save target. `problem` is empty on the first call and otherwise says why
  // the previous answer could not be used. No value means cancelled.
  virtual std::optional<SaveTarget> AskSaveTarget(const SaveTarget& proposal,
                                                  const Message& problem) = 0;
  // Stores the files of one save (the map and its bitmap) as a pair: either all of them
  // are written or, on failure, the files already there are left as they were. Returns an
  // empty message when written, else one naming the file and the reason, with which the
  // host is then asked for another target.
  virtual Message WriteFiles(const std::vector<FileContent>& files) = 0;
  // Seed for the clock reseeds of the coast fraying; no value leaves the generator as it is.
  virtual std::optional<std::uint32_t> ClockSeed() { return std::nullopt; }
  // Called after each row of the run that called a step (for tracing).
  virtual void StepFinished(int /*row*/, std::string_view /*name*/) {}
  // The choice of the fairest of several seeds (run/best_of.hpp) finished a candidate.
  virtual void CandidateFinished(const CandidateReport& /*report*/) {}
};

}  // namespace swd
