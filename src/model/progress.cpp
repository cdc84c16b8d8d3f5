#include "model/progress.hpp"

#include <cmath>

namespace swd {

void BeginStep(Generator& g, MessageKey status) {
  ShowBar(g, true);
  ShowStatus(g, status);
}

void EndStep(Generator& g) {
  ShowBar(g, false);
  ShowStatus(g, {});
}

void ShowBar(Generator& g, bool visible) {
  if (!visible) {
    g.bar_hide_held = true;
  } else if (g.bar_hide_held) {
    g.bar_hide_held = false;  // the bar stays; the step's first report sets it
  } else {
    g.host->ShowProgress(true);
  }
}

void ShowStatus(Generator& g, const Message& text) {
  g.host->SetStatus(text);
}

void SetBar(Generator& g, int value) {
  SendHeldDisplay(g);
  g.host->SetProgress(value);
}

void RefreshPreview(Generator& g) {
  SendHeldDisplay(g);
  g.host->RefreshPreview();
}

void YieldToUser(Generator& g) {
  SendHeldDisplay(g);
  g.host->Yield();
}

void SendHeldDisplay(Generator& g) {
  if (!g.bar_hide_held) return;
  g.bar_hide_held = false;
  g.host->ShowProgress(false);
}

int Percent(double i, double n) {
  return static_cast<int>(std::floor(100.0 * i / n + 0.5));
}

void ReportProgress(Generator& g, int value) {
  SetBar(g, value);
  RefreshPreview(g);
  YieldToUser(g);
}

}  // namespace swd
