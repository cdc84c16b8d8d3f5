#pragma once

class QButtonGroup;

namespace swd::wizard {

// Tab into a group of choices lands on the ticked one, and Tab out of the group leaves
// it, wherever the arrow keys moved the focus inside it: only the ticked button takes
// the focus by Tab. Installed on the group, which owns it.
void TabLandsOnTicked(QButtonGroup& group);

}  // namespace swd::wizard
