#include "wizard/animal_dialog.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QSlider>

#include "wizard/picture_button.hpp"
#include "wizard/pictures.hpp"

namespace swd::wizard {

namespace {
constexpr SliderRange kAnimalRange{0, 20, 2, 5, 1};
constexpr const char* kAnimalNames[6] = {QT_TRANSLATE_NOOP("swd::wizard::AnimalDialog", "Hasen"),
                                         QT_TRANSLATE_NOOP("swd::wizard::AnimalDialog", "Füchse"),
                                         QT_TRANSLATE_NOOP("swd::wizard::AnimalDialog", "Hirsche"),
                                         QT_TRANSLATE_NOOP("swd::wizard::AnimalDialog", "Rehe"),
                                         QT_TRANSLATE_NOOP("swd::wizard::AnimalDialog", "Enten"),
                                         QT_TRANSLATE_NOOP("swd::wizard::AnimalDialog", "Schafe")};
constexpr QSize kPictureSize(60, 45);
}  // namespace

AnimalDialog::AnimalDialog(GeneratorSettings& settings, QWidget* parent)
    : DetailDialog(tr("Häufigkeit von Tieren"), parent) {
  auto* frame = new QGroupBox(tr("Tierart"), this);
  auto* grid = new QGridLayout(frame);
  for (int i = 0; i < 6; ++i) {
    grid->addWidget(
        CaptionedPicture(AnimalPicture(i + 1, kPictureSize), tr(kAnimalNames[i]), frame), i, 0);
    QSlider* slider = BindSlider(kAnimalRange, settings.SliderTiere[i + 1], frame);
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
