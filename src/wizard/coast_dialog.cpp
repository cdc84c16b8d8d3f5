#include "wizard/coast_dialog.hpp"

#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>

namespace swd::wizard {

CoastDialog::CoastDialog(int& coast_roughness, QWidget* parent)
    : DetailDialog(tr("Küstenverlauf"), parent) {
  auto* frame = new QGroupBox(tr("Küste zum Meer"), this);
  auto* layout = new QVBoxLayout(frame);
  slider_ = BindSlider(RangeOf("coast"), coast_roughness, frame);
  slider_->setObjectName("Slider_Rand");
  layout->addWidget(SliderBetween(slider_, tr("glatt"), tr("ausgefranst"), frame));
  Body()->addWidget(frame);
  AddButtons();
  setMinimumWidth(360);
}

}  // namespace swd::wizard
