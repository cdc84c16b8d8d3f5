#include "wizard/granite_dialog.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSlider>
#include <QVBoxLayout>

#include "wizard/picture_button.hpp"
#include "wizard/pictures.hpp"

namespace swd::wizard {

namespace {

struct GraniteSlider {
  const char* name;
  const char* member;  // of "granite" in the table of settings
  const char* low;
  const char* high;
  int GeneratorSettings::*setting;
};

constexpr GraniteSlider kLarge[2] = {
    {"Slider_GrGranitAz", "large_count", QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "wenige"),
     QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "viele"),
     &GeneratorSettings::SliderGrGranitAz},
    {"Slider_GrGranitAus", "large_size", QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "klein"),
     QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "groß"),
     &GeneratorSettings::SliderGrGranitAus},
};
constexpr GraniteSlider kSmall[2] = {
    {"Slider_KlGranitAz", "small_count", QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "selten"),
     QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "häufig"),
     &GeneratorSettings::SliderKlGranitAz},
    {"Slider_KlGranitAus", "small_size", QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "leer"),
     QT_TRANSLATE_NOOP("swd::wizard::GraniteDialog", "voll"),
     &GeneratorSettings::SliderKlGranitAus},
};

constexpr QSize kPictureSize(72, 54);

}  // namespace

GraniteDialog::GraniteDialog(GeneratorSettings& settings, QWidget* parent)
    : DetailDialog(tr("Ausdehnung der Granitvorkommen"), parent) {
  const auto frame = [&](const QString& caption, const GraniteSlider(&sliders)[2]) {
    auto* box = new QGroupBox(caption, this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(CaptionedPicture(ObjectPicture(ObjectKind::Granite, kPictureSize), "", box));
    auto* column = new QVBoxLayout;
    for (const GraniteSlider& s : sliders) {
      QSlider* slider = BindSlider(RangeOf("granite", s.member), settings.*s.setting, box);
      slider->setObjectName(s.name);
      column->addWidget(SliderBetween(slider, tr(s.low), tr(s.high), box));
    }
    row->addLayout(column, 1);
    Body()->addWidget(box);
  };
  frame(tr("Ausgedehnte Granitfelder"), kLarge);
  frame(tr("Kleine Granitvorkommen"), kSmall);
  AddButtons();
  setMinimumWidth(420);
}

}  // namespace swd::wizard
