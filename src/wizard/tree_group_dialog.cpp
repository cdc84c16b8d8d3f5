#include "wizard/tree_group_dialog.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSlider>

#include "wizard/picture_button.hpp"
#include "wizard/pictures.hpp"

namespace swd::wizard {

namespace {
constexpr QSize kPictureSize(72, 54);
}  // namespace

TreeGroupDialog::TreeGroupDialog(GeneratorSettings& settings, QWidget* parent)
    : DetailDialog(tr("Häufigkeit kleiner Baumgruppen festlegen"), parent) {
  auto* frame = new QGroupBox(tr("Kleine Baumgruppen"), this);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(CaptionedPicture(ObjectPicture(ObjectKind::TreeGroups, kPictureSize), "", frame));
  slider_ = BindSlider(RangeOf("tree_groups"), settings.SliderBaumgruppen, frame);
  slider_->setObjectName("Slider_Baumgruppen");
  row->addWidget(SliderBetween(slider_, tr("wenige"), tr("sehr viele"), frame), 1);
  Body()->addWidget(frame);
  AddButtons();
  setMinimumWidth(420);
}

}  // namespace swd::wizard
