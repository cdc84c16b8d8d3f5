#pragma once

#include "model/settings.hpp"
#include "wizard/detail_dialog.hpp"

namespace swd::wizard {

// Form_Tiere: how many animals of each of the six kinds.
class AnimalDialog : public DetailDialog {
  Q_OBJECT

 public:
  AnimalDialog(GeneratorSettings& settings, QWidget* parent);

  // Slider1(animal), animal 1..6.
  QSlider* SliderOf(int animal) const;
};

}  // namespace swd::wizard
