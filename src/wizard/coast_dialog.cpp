#include "wizard/coast_dialog.hpp"

#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>

namespace swd::wizard {

CoastDialog::CoastDialog(int& coast_roughness, QWidget* parent)
    : DetailDialog("Küstenverlauf", parent) {
  auto* frame = new QGroupBox("Küste zum Meer", this);
  auto* layout = new QVBoxLayout(frame);
  slider_ = BindSlider(kLevelRange, coast_roughness, frame);
  slider_->setObjectName("Slider_Rand");
  layout->addWidget(SliderBetween(slider_, "glatt", "ausgefranst", frame));
  Body()->addWidget(frame);
  AddButtons();
  setMinimumWidth(360);
}

}  // namespace swd::wizard
