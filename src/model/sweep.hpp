#pragma once

#include <cmath>
#include <string_view>

#include "model/generator.hpp"
#include "model/primitives.hpp"
#include "model/progress.hpp"

namespace swd {

// The passes over the map that the steps make: an outer loop over columns (or rows) and
// an inner loop over the cells of each, both ends included. After every column (row) the
// sweep reports its progress, refreshes the preview and yields to the user interface.

struct Span {
  int first = 0;
  int last = 0;
  int step = 1;
};

struct SweepPlan {
  enum class Outer : std::uint8_t { Columns, Rows };
  enum class Report : std::uint8_t {
    OuterIndex,  // 100 * i / n after index i, n the map's width (height for rows)
    MapShare,    // the share of the map done: columns so far times the rows of each
  };

  Outer outer = Outer::Columns;
  Span outer_span;
  Span inner_span;
  Report report = Report::OuterIndex;
  bool stops_on_cancel = false;  // after a report, ends early while the cancel key is held

  constexpr SweepPlan StopOnCancel() const {
    SweepPlan p = *this;
    p.stops_on_cancel = true;
    return p;
  }
  constexpr SweepPlan ReportMapShare() const {
    SweepPlan p = *this;
    p.report = Report::MapShare;
    return p;
  }
};

inline SweepPlan Columns(Span x, Span y) {
  return {SweepPlan::Outer::Columns, x, y};
}
inline SweepPlan Rows(Span y, Span x) {
  return {SweepPlan::Outer::Rows, y, x};
}
inline Span MapColumns(const Generator& g) {
  return {0, g.run.MapWidth - 1};
}
inline Span MapRows(const Generator& g) {
  return {0, g.run.MapHeight - 1};
}

// The pass most steps make: every column, and in each the rows 0..RowLimit, so that on a
// symmetric base the mirror writes do the other half.
inline SweepPlan WorkingPass(const Generator& g) {
  return Columns(MapColumns(g), {0, g.run.RowLimit});
}
// Every cell of the map, column by column.
inline SweepPlan WholeMapByColumns(const Generator& g) {
  return Columns(MapColumns(g), MapRows(g));
}
// Every cell of the map, row by row.
inline SweepPlan WholeMapByRows(const Generator& g) {
  return Rows(MapRows(g), MapColumns(g));
}

// Progress after column x of a pass over the rows 0..last_row of every column.
inline int ColumnPercent(const Generator& g, int x, int last_row) {
  const double w = g.run.MapWidth;
  const double h = g.run.MapHeight;
  return static_cast<int>(std::floor(100.0 * (x / w) * ((last_row + 1) / h) + 0.5));
}

// Calls visit(x, y) for every cell of the plan. False when the cancel key ended it early; the
// progress bar then stays as it was.
template <class Visit>
bool Sweep(Generator& g, const SweepPlan& p, Visit&& visit) {
  const bool columns = p.outer == SweepPlan::Outer::Columns;
  const int n = columns ? g.run.MapWidth : g.run.MapHeight;
  for (int i = p.outer_span.first; i <= p.outer_span.last; i += p.outer_span.step) {
    for (int j = p.inner_span.first; j <= p.inner_span.last; j += p.inner_span.step) {
      if (columns) {
        visit(i, j);
      } else {
        visit(j, i);
      }
    }
    const bool share = p.report == SweepPlan::Report::MapShare;
    ReportProgress(g, share ? ColumnPercent(g, i, p.inner_span.last) : Percent(i, n));
    if (p.stops_on_cancel && CancelRequested(g)) return false;
  }
  return true;
}

// A step that is one sweep: the status text and the bar while it runs, both cleared at its
// end. A cancelled sweep leaves them as they are.
template <class Visit>
bool SweepStep(Generator& g, MessageKey status, const SweepPlan& p, Visit&& visit) {
  BeginStep(g, status);
  if (!Sweep(g, p, visit)) return false;
  EndStep(g);
  return true;
}

}  // namespace swd
