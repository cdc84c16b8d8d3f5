#include "wizard/page_texts.hpp"

#include <cmath>

#include "run/run.hpp"
#include "wizard/message_text.hpp"

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

StartValue ParseStartValue(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return {};
  // Digits only: toULongLong would also take a sign or a "0x".
  for (const QChar c : trimmed) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return {false, std::nullopt};
  }
  bool ok = false;
  const qulonglong value = trimmed.toULongLong(&ok);
  if (!ok || value > 4294967295ULL) return {false, std::nullopt};
  return {true, static_cast<std::uint32_t>(value)};
}

QString PlayersPlacedNote(int placed, int requested) {
  return Text(swd::PlayersPlacedNote(placed, requested));
}

}  // namespace swd::wizard
