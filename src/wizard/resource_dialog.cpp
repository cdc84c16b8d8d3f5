#include "wizard/resource_dialog.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "wizard/picture_button.hpp"
#include "wizard/pictures.hpp"

namespace swd::wizard {

namespace {

constexpr QSize kPictureSize(64, 48);

struct ShareLook {
  ShareKind kind;
  const char* slider;
  const char* label;
  const char* caption;
  ObjectKind picture;
};
constexpr ShareLook kLooks[4] = {
    {ShareKind::Coal, "Slider_Kohle", "Label_KoAnt",
     QT_TRANSLATE_NOOP("swd::wizard::ResourceDialog", "Kohle"), ObjectKind::Coal},
    {ShareKind::Gold, "Slider_Gold", "Label_GoAnt",
     QT_TRANSLATE_NOOP("swd::wizard::ResourceDialog", "Gold"), ObjectKind::Gold},
    {ShareKind::Iron, "Slider_Eisen", "Label_EiAnt",
     QT_TRANSLATE_NOOP("swd::wizard::ResourceDialog", "Eisen"), ObjectKind::Iron},
    {ShareKind::Granite, "Slider_Granit", "Label_GrAnt",
     QT_TRANSLATE_NOOP("swd::wizard::ResourceDialog", "Granit"), ObjectKind::GraniteOre},
};

QString Percent(int share) {
  return QString::number(share) + "%";
}

}  // namespace

ResourceDialog::ResourceDialog(ResourceShareSet& shares, QWidget* parent)
    : DetailDialog(tr("Häufigkeit von Rohstoffen"), parent), shares_(shares) {
  auto* frame = new QGroupBox(tr("Schätze"), this);
  auto* grid = new QGridLayout(frame);
  auto* column = new QLabel(tr("Anteil"), frame);
  column->setObjectName("Label1");
  grid->addWidget(column, 0, 2, Qt::AlignCenter);
  for (int i = 0; i < 4; ++i) {
    const ShareLook& look = kLooks[i];
    grid->addWidget(
        CaptionedPicture(ObjectPicture(look.picture, kPictureSize), tr(look.caption), frame), i + 1,
        0);
    Row& row = rows_[i];
    // Ticks every 5 %, a large change of 10 %.
    SliderRange range = RangeOf("resources", "coal", 5);
    range.page_step = 10;
    row.slider = MakeSlider(range, frame);
    row.slider->setObjectName(look.slider);
    row.slider->setMinimumWidth(220);
    row.slider->installEventFilter(this);
    grid->addWidget(row.slider, i + 1, 1);
    row.value = new QLabel(frame);
    row.value->setObjectName(look.label);
    row.value->setMinimumWidth(40);
    grid->addWidget(row.value, i + 1, 2, Qt::AlignRight);
    const ShareKind kind = look.kind;
    // A slider the user works on is the active one even without the focus: the mouse
    // wheel moves a slider that does not have it.
    connect(row.slider, &QSlider::actionTriggered, this, [this, kind] { active_ = kind; });
    connect(row.slider, &QSlider::valueChanged, this, [this, kind] { SliderMoved(kind); });
  }
  Body()->addWidget(frame);
  AddButtons();
  ShowShares();
}

void ResourceDialog::ShowShares() {
  for (const ShareLook& look : kLooks) {
    const int share = ShareOf(shares_, look.kind);
    rows_[Index(look.kind)].slider->setValue(share);
    rows_[Index(look.kind)].value->setText(Percent(share));
  }
}

void ResourceDialog::SliderMoved(ShareKind kind) {
  // Only the slider the user is on spreads its change; sliders set from here stay quiet.
  if (active_ != kind) return;
  ResourceShareSet positions;
  for (const ShareLook& look : kLooks)
    ShareOf(positions, look.kind) = rows_[Index(look.kind)].slider->value();
  RebalanceShares(shares_, kind, positions);
  ShowShares();
}

void ResourceDialog::RestoreInitial() {
  active_ = ShareKind::None;
  shares_ = GeneratorSettings{}.ResourceShares;
  ShowShares();
}

void ResourceDialog::showEvent(QShowEvent* event) {
  active_ = ShareKind::None;
  ShowShares();
  DetailDialog::showEvent(event);
}

bool ResourceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (const ShareLook& look : kLooks) {
      if (watched == rows_[Index(look.kind)].slider) active_ = look.kind;
    }
  }
  return DetailDialog::eventFilter(watched, event);
}

}  // namespace swd::wizard
