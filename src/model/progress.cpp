#include "model/progress.hpp"

#include <cmath>

namespace swd {

void BeginStep(Generator& g, MessageKey status) {
  g.host->ShowProgress(true);
  g.host->SetStatus(status);
}

void EndStep(Generator& g) {
  g.host->ShowProgress(false);
  g.host->SetStatus({});
}

int Percent(double i, double n) {
  return static_cast<int>(std::floor(100.0 * i / n + 0.5));
}

void ReportProgress(Generator& g, int value) {
  g.host->SetProgress(value);
  g.host->RefreshPreview();
  g.host->Yield();
}

}  // namespace swd
