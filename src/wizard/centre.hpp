#pragma once

class QWidget;

namespace swd::wizard {

// Moves a window to the middle of the screen it is on: left = (screen width - window
// width) / 2, top likewise.
void CentreOnScreen(QWidget& window);

}  // namespace swd::wizard
