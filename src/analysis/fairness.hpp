#pragma once

#include <optional>
#include <vector>

#include "analysis/figures.hpp"

namespace swd {

// How evenly the figures are spread over the starts.
struct Fairness {
  FigureValues ratios{};       // smallest over largest value of each figure; 1 where all are 0
  std::vector<double> scores;  // one per start, in the order given
  double index = 1;            // 1 - Gini of the scores: 1 for even starts
};

// The Gini coefficient of non-negative values: the mean difference of all pairs over twice
// the mean, 0 when all are equal and at most 1 - 1/n. 0 for values that are all 0.
double GiniCoefficient(const std::vector<double>& values);

// A start's score: the weighted mean, over the figures of kFigures, of its value divided by
// the mean of all starts' values, so that every figure counts by its weight whatever its
// unit. A figure that no start has (mean 0) is left out; the scores' mean is then 1.
std::vector<double> StartScores(const std::vector<FigureValues>& starts);

// None for fewer than two starts: there is nothing to compare.
std::optional<Fairness> RateFairness(const std::vector<FigureValues>& starts);

}  // namespace swd
