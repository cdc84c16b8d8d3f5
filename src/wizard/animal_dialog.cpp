#include "wizard/animal_dialog.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QSlider>

#include "model/setting_table.hpp"
#include "wizard/message_text.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/pictures.hpp"

namespace swd::wizard {

namespace {
constexpr QSize kPictureSize(60, 45);
}  // namespace

AnimalDialog::AnimalDialog(GeneratorSettings& settings, QWidget* parent)
    : DetailDialog(tr("Häufigkeit von Tieren"), parent) {
  auto* frame = new QGroupBox(tr("Tierart"), this);
  auto* grid = new QGridLayout(frame);
  const auto species = RowsOfKey("animals");
  for (int i = 0; i < static_cast<int>(species.size()); ++i) {
    const SettingRow& row = species[i];
    grid->addWidget(CaptionedPicture(AnimalPicture(i + 1, kPictureSize), Text(row.label), frame), i,
                    0);
    QSlider* slider =
        BindSlider(RangeOf("animals", row.member), settings.SliderTiere[i + 1], frame);
    slider->setObjectName(QString("Slider1(%1)").arg(i + 1));
    grid->addWidget(SliderBetween(slider, tr("keine"), tr("sehr viele"), frame), i, 1);
  }
  Body()->addWidget(frame);
  AddButtons();
  setMinimumWidth(440);
}

QSlider* AnimalDialog::SliderOf(int animal) const {
  return findChild<QSlider*>(QString("Slider1(%1)").arg(animal));
}

}  // namespace swd::wizard
