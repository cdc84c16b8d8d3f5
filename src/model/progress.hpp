#pragma once

#include "model/generator.hpp"

namespace swd {

// What the steps show the user goes to the front end through these calls.
//
// The pattern every step follows: show the bar and the status text on entry, report after
// each row, column, region or pass, hide both on exit. Between two steps the bar would be
// hidden and at once shown again, which costs a front end such as the wizard a new layout
// of its window each time. So the hide is held back until the front end gets a turn or is
// told anything but a status text, and a step that begins before that keeps the bar as it
// is. Whenever the front end draws, it shows what it showed before.
void BeginStep(Generator& g, MessageKey status);
void EndStep(Generator& g);

void ShowBar(Generator& g, bool visible);
void ShowStatus(Generator& g, const Message& text);
void SetBar(Generator& g, int value);
void RefreshPreview(Generator& g);
// Lets the user interface process pending events.
void YieldToUser(Generator& g);
// Sends a held-back hide: before the run ends or asks the user anything.
void SendHeldDisplay(Generator& g);

// 100 * i / n to the nearest whole number, halves up.
int Percent(double i, double n);

// Sets the bar, refreshes the preview and yields to the user interface.
void ReportProgress(Generator& g, int value);

}  // namespace swd
