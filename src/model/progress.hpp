#pragma once

#include "model/generator.hpp"

namespace swd {

// The pattern every step follows: show the bar and the status text on entry, report after
// each row, column, region or pass, hide both on exit.
void BeginStep(Generator& g, MessageKey status);
void EndStep(Generator& g);

// 100 * i / n to the nearest whole number, halves up.
int Percent(double i, double n);

// Sets the bar, refreshes the preview and yields to the user interface.
void ReportProgress(Generator& g, int value);

}  // namespace swd
