#include "analysis/fairness.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace swd {

double FigureCredit(const FigureRow& row, double value) {
  const double share = value / row.level;
  if (share <= 1) return std::max(share, 0.0);
  return 1 + kBeyondLevel * (1 - std::exp(-(share - 1)));
}

double StartScore(const FigureValues& start) {
  double sum = 0;
  double weights = 0;
  double essentials = 1;
  for (const FigureRow& row : kFigures) {
    const double credit = FigureCredit(row, start[row.figure]);
    sum += row.weight * credit;
    weights += row.weight;
    if (row.essential) essentials *= std::sqrt(std::sqrt(std::min(credit, 1.0)));
  }
  return sum / weights * essentials;
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
  for (const FigureValues& s : starts)
    f.scores.push_back(StartScore(s));
  const double mean =
      std::accumulate(f.scores.begin(), f.scores.end(), 0.0) / static_cast<double>(starts.size());
  const double weakest = *std::min_element(f.scores.begin(), f.scores.end());
  f.index = mean > 0 ? std::min(weakest / mean, 1.0) : 1.0;
  return f;
}

}  // namespace swd
