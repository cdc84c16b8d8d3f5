#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace swd::wizard {

// Moves a window to the middle of the screen it is on: left = (screen width - window
// width) / 2, top likewise.
void CentreOnScreen(QWidget& window);

// Moves a window next to `keep_clear` (screen coordinates), so that what is there stays in
// view, as far as the screen allows.
void PlaceBeside(QWidget& window, const QRect& keep_clear);

// Where a window of `size` goes: right of `keep_clear`, else left of it, below or above it,
// the first of these that covers none of it once pushed inside `screen`; if each covers some,
// the one that covers least.
QPoint PositionBeside(const QRect& keep_clear, QSize size, const QRect& screen);

}  // namespace swd::wizard
