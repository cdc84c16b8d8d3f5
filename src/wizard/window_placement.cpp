#include "wizard/window_placement.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace swd::wizard {

namespace {
// Room between the window and what it keeps clear of.
constexpr int kGap = 12;

QRect AvailableArea(const QWidget& window) {
  const QScreen* screen =
      window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Pushed inside the area; a window larger than the area keeps its left or top edge in it.
QPoint Inside(QPoint at, QSize size, const QRect& area) {
  return {std::max(area.left(), std::min(at.x(), area.left() + area.width() - size.width())),
          std::max(area.top(), std::min(at.y(), area.top() + area.height() - size.height()))};
}

int Covered(const QRect& window, const QRect& keep_clear) {
  const QRect both = window.intersected(keep_clear);
  return both.isEmpty() ? 0 : both.width() * both.height();
}
}  // namespace

void CentreOnScreen(QWidget& window) {
  const QRect area = AvailableArea(window);
  if (area.isEmpty()) return;
  const QSize size = window.frameGeometry().size();
  window.move(area.left() + (area.width() - size.width()) / 2,
              area.top() + (area.height() - size.height()) / 2);
}

void PlaceBeside(QWidget& window, const QRect& keep_clear) {
  const QRect area = AvailableArea(window);
  if (area.isEmpty()) return;
  window.move(PositionBeside(keep_clear, window.frameGeometry().size(), area));
}

QPoint PositionBeside(const QRect& keep_clear, QSize size, const QRect& screen) {
  const QPoint centre = keep_clear.center();
  const std::array<QPoint, 4> tries{{
      {keep_clear.right() + 1 + kGap, centre.y() - size.height() / 2},
      {keep_clear.left() - kGap - size.width(), centre.y() - size.height() / 2},
      {centre.x() - size.width() / 2, keep_clear.bottom() + 1 + kGap},
      {centre.x() - size.width() / 2, keep_clear.top() - kGap - size.height()},
  }};
  QPoint best;
  int least = -1;
  for (const QPoint& at : tries) {
    const QPoint placed = Inside(at, size, screen);
    const int covered = Covered(QRect(placed, size), keep_clear);
    if (least < 0 || covered < least) {
      best = placed;
      least = covered;
    }
    if (covered == 0) break;
  }
  return best;
}

}  // namespace swd::wizard
