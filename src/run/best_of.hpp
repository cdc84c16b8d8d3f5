#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/generator.hpp"
#include "run/run.hpp"

namespace swd {

inline constexpr int kMostCandidates = 1000;

struct BestOfOutcome {
  // The chosen seed's run, saved through the generator's host; Cancelled when the cancel
  // key stopped a candidate (nothing is saved then).
  RunOutcome outcome;
  std::optional<std::uint32_t> chosen;
  std::vector<CandidateReport> candidates;  // those finished, in the order of their seeds
};

// The better of two candidates: more players placed, then fairer starts (a map without a
// fairness counts least); of equals the earlier one stays.
bool BetterCandidate(const CandidateReport& a, const CandidateReport& b);

// The fairest of `count` seeds (1..kMostCandidates): makes the runs of first_seed,
// first_seed + 1, ... (past 4294967295 on from 0) with the generator's settings, each as
// PrepareSeededRun makes it, analyses each map as `swdgen analyze` does with its default
// radius and tells the host of each (CandidateFinished); the status line says which
// candidate runs, the preview shows it grow, and the cancel key stops the search. Then the
// chosen seed's run is made again and saved as every run is, so that its map, its code and
// its seed's run of any front end are one. Candidates ask for no save target.
BestOfOutcome RunBestOf(Generator& g, std::uint32_t first_seed, int count);

}  // namespace swd
