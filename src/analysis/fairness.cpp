#include "analysis/fairness.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace swd {

double GiniCoefficient(const std::vector<double>& values) {
  const double n = static_cast<double>(values.size());
  const double sum = std::accumulate(values.begin(), values.end(), 0.0);
  if (values.empty() || sum <= 0) return 0;
  double differences = 0;
  for (const double a : values) {
    for (const double b : values)
      differences += std::abs(a - b);
  }
  return differences / (2 * n * sum);
}

std::vector<double> StartScores(const std::vector<FigureValues>& starts) {
  std::vector<double> scores(starts.size(), 0.0);
  double weights = 0;
  for (const FigureRow& row : kFigures) {
    double mean = 0;
    for (const FigureValues& s : starts)
      mean += s[row.figure];
    mean /= static_cast<double>(starts.size());
    if (mean <= 0) continue;
    weights += row.weight;
    for (std::size_t i = 0; i < starts.size(); ++i)
      scores[i] += row.weight * starts[i][row.figure] / mean;
  }
  if (weights > 0) {
    for (double& s : scores)
      s /= weights;
  }
  return scores;
}

std::optional<Fairness> RateFairness(const std::vector<FigureValues>& starts) {
  if (starts.size() < 2) return std::nullopt;
  Fairness f;
  for (const FigureRow& row : kFigures) {
    const auto [least, most] = std::minmax_element(
        starts.begin(), starts.end(),
        [&](const auto& a, const auto& b) { return a[row.figure] < b[row.figure]; });
    const double top = (*most)[row.figure];
    f.ratios[row.figure] = top > 0 ? (*least)[row.figure] / top : 1.0;
  }
  f.scores = StartScores(starts);
  f.index = 1 - GiniCoefficient(f.scores);
  return f;
}

}  // namespace swd
