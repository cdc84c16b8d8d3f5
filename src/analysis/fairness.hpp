#pragma once

#include <optional>
#include <vector>

#include "analysis/figures.hpp"

namespace swd {

// How evenly the starts are provided for.
struct Fairness {
  FigureValues ratios{};       // smallest over largest value of each figure; 1 where all are 0
  std::vector<double> scores;  // one per start, in the order given: 1 has what it needs
  double index = 1;            // the weakest start's score over the mean score
};

// What one figure's value is worth: its share of the figure's level up to the level, and
// beyond it a little more, less and less, never more than kBeyondLevel in all.
inline constexpr double kBeyondLevel = 0.1;
double FigureCredit(const FigureRow& row, double value);

// A start's score: the weighted mean of its figures' credits, scaled by the fourth root of
// the credit of each essential figure (wood and stone): a start without either scores 0, one
// with a little less than it needs not much less than one with enough.
double StartScore(const FigureValues& start);

// None for fewer than two starts: there is nothing to compare.
std::optional<Fairness> RateFairness(const std::vector<FigureValues>& starts);

}  // namespace swd
