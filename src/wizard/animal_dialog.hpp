#pragma once

#include "model/settings.hpp"
#include "wizard/detail_dialog.hpp"

namespace swd::wizard {

// The animal dialog: how many animals of each of the six kinds.
class AnimalDialog : public DetailDialog {
  Q_OBJECT

 public:
  AnimalDialog(GeneratorSettings& settings, QWidget* parent);

  // The slider of animal 1..6.
  QSlider* SliderOf(int animal) const;
};

}  // namespace swd::wizard
