#pragma once

#include "wizard/detail_dialog.hpp"

namespace swd::wizard {

// The coast dialog: how frayed the coast to the sea is (CoastRoughness, 0..10, default 5).
class CoastDialog : public DetailDialog {
  Q_OBJECT

 public:
  CoastDialog(int& coast_roughness, QWidget* parent);

  QSlider* RoughnessSlider() const { return slider_; }

 private:
  QSlider* slider_;
};

}  // namespace swd::wizard
