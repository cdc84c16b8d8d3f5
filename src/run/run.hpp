#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/generator.hpp"

namespace swd {

// The hint line texts, numbered 1..3.
MessageKey HintText(int number);

// What every front end does when the generation window becomes active: the per-class
// tables for the chosen landscape type, the amount tables for the map size, and a cleared
// preview of the right size.
void PrepareGeneration(Generator& g);

// Puts the generator where a fresh one starts, with its host and settings, prepared as
// PrepareGeneration does and seeded with `seed`: every front end's run of a seed is then the
// command line's run of it.
void PrepareSeededRun(Generator& g, std::uint32_t seed);

struct RunOutcome {
  enum class Status { Written, Cancelled, SaveCancelled, Failed };
  Status status = Status::Cancelled;
  Message message;  // for Failed
  std::filesystem::path map_path;
  std::filesystem::path bitmap_path;
  int players_requested = 0;
  int players_placed = 0;
  // The map's code (model/map_code.hpp) for Written; empty without a known seed.
  std::string code;
  // With fair starts: the fairness index of the random placement on the same landscape.
  std::optional<double> fairness_before;
};

// The note when the map had room for fewer headquarters than players were asked for,
// "Nur 1 von 5 Spielern konnte platziert werden."; empty when all fit.
Message PlayersPlacedNote(int placed, int requested);

// One press of Start: checks the settings, derives the run's values, calls the steps in
// their order with the cancel checks between them, and ends by writing the map file.
// Settings that CheckSettings refuses, or an unusable picture, end it as Failed before the
// first step.
RunOutcome RunGeneration(Generator& g);

// Re-enables the front end's buttons; the last call of every run.
void EndGeneration(Generator& g);

}  // namespace swd
