#pragma once

#include "model/settings.hpp"
#include "wizard/detail_dialog.hpp"

namespace swd::wizard {

// Form_Tiere: how many animals of each of the six species.
class AnimalDialog : public DetailDialog {
  Q_OBJECT

 public:
  AnimalDialog(GeneratorSettings& settings, QWidget* parent);

  // Slider1(species), species 1..6.
  QSlider* SliderOf(int species) const;
};

}  // namespace swd::wizard
