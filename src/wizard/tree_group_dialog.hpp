#pragma once

#include "model/settings.hpp"
#include "wizard/detail_dialog.hpp"

namespace swd::wizard {

// The tree-group dialog: how often small tree groups are planted.
class TreeGroupDialog : public DetailDialog {
  Q_OBJECT

 public:
  TreeGroupDialog(GeneratorSettings& settings, QWidget* parent);

  QSlider* GroupSlider() const { return slider_; }

 private:
  QSlider* slider_;
};

}  // namespace swd::wizard
