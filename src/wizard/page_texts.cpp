#include "wizard/page_texts.hpp"

#include <cmath>

#include "run/run.hpp"

namespace swd::wizard {

QString Str(int value) {
  return value >= 0 ? " " + QString::number(value) : QString::number(value);
}

QString FileSizeEstimate(int width, int height) {
  const double kb = std::floor(static_cast<double>(width) * height * 0.0137 + 2.4264);
  return Str(static_cast<int>(kb)) + " kB";
}

QRect SizeOutlineTwips(int width, int height) {
  const int w = static_cast<int>(11.25 * width + 15);
  const int h = static_cast<int>(11.25 * height + 15);
  const int left = static_cast<int>(std::floor(kOutlineCentreTwips.x() - 11.25 * width / 2));
  const int top = static_cast<int>(std::floor(kOutlineCentreTwips.y() - 11.25 * height / 2));
  return {left, top, w, h};
}

QString SizeLine(int width, int height) {
  return Str(width) + "  x " + Str(height);
}

QString PlayersPlacedNote(int placed, int requested) {
  return QString::fromStdString(swd::PlayersPlacedNote(placed, requested));
}

}  // namespace swd::wizard
