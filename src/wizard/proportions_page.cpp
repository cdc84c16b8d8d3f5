#include "wizard/proportions_page.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

#include "model/terrain.hpp"
#include "wizard/animal_dialog.hpp"
#include "wizard/granite_dialog.hpp"
#include "wizard/message_text.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/pictures.hpp"
#include "wizard/resource_dialog.hpp"
#include "wizard/slider_range.hpp"
#include "wizard/tree_group_dialog.hpp"

namespace swd::wizard {

namespace {

struct GroupLook {
  const char* caption;
  const char* low;
  const char* high;
};
constexpr GroupLook kGroups[3] = {
    {QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "Anzahl"),
     QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "wenige"),
     QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "sehr viele")},
    {QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "Größe"),
     QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "klein"),
     QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "groß")},
    {QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "Verzierungen"),
     QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "kahl"),
     QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "voll")},
};

constexpr QSize kDialogPictureSize(80, 60);
constexpr const char* kGroupKeys[3] = {"amount", "size", "decoration"};

}  // namespace

QString RowLabel(int landscape_type, int terrain_class) {
  return Text(ClassNameKey(landscape_type, terrain_class));
}

RowShows RowVisibility(int landscape_type, int terrain_class) {
  if (landscape_type == Winterland &&
      (terrain_class == 3 || terrain_class == 6 || terrain_class == 9)) {
    return RowShows::Hidden;
  }
  return terrain_class == 9 ? RowShows::DecorationOnly : RowShows::AllSliders;
}

ProportionsPage::ProportionsPage(GeneratorSettings& settings, QWidget* parent)
    : WizardPage(tr("Maße und Verzierungen"), parent), settings_(settings) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  std::array<std::array<int, 11>*, 3> levels{&settings_.Slider1, &settings_.Slider2,
                                             &settings_.Slider3};
  for (int g = 0; g < 3; ++g) {
    auto* caption = new QLabel(QString("<b>%1</b>").arg(tr(kGroups[g].caption)), this);
    caption->setAlignment(Qt::AlignCenter);
    grid->addWidget(caption, 0, g + 1);
    auto* ends = new QHBoxLayout;
    ends->addWidget(new QLabel(tr(kGroups[g].low), this));
    ends->addStretch(1);
    ends->addWidget(new QLabel(tr(kGroups[g].high), this));
    grid->addLayout(ends, 1, g + 1);
  }
  int line = 2;
  for (int c : kProportionRows) {
    Row& row = rows_[c];
    row.label = new QLabel(RowLabel(Gruenland, c), this);
    grid->addWidget(row.label, line, 0);
    for (int g = 0; g < 3; ++g) {
      QSlider* slider = MakeSlider(RangeOf(kGroupKeys[g], std::to_string(c)), this);
      std::array<int, 11>& level = *levels[g];
      slider->setValue(level[c]);
      connect(slider, &QSlider::valueChanged, this, [&level, c](int v) { level[c] = v; });
      slider->setObjectName(QString("Slider%1(%2)").arg(g + 1).arg(c));
      grid->addWidget(slider, line, g + 1);
      row.sliders[g] = slider;
    }
    ++line;
  }
  Content()->addLayout(grid);
  Content()->addStretch(1);

  auto* below = new QHBoxLayout;
  area_variant_ = new QCheckBox(tr("Flächen-variante"), this);
  area_variant_->setObjectName("Check_Flaechenvariante");
  area_variant_->setChecked(settings_.CheckFlaechenvariante);
  connect(area_variant_, &QCheckBox::toggled, this,
          [this](bool ticked) { settings_.CheckFlaechenvariante = ticked; });
  below->addWidget(area_variant_, 0, Qt::AlignTop);
  below->addStretch(1);

  // The four pictures that open the detail dialogs modally.
  struct Opener {
    const char* name;
    const char* caption;
    ObjectKind picture;
    QDialog& (*dialog)(ProportionsPage&);
  };
  static constexpr Opener kOpeners[4] = {
      {"Picture_Baumgruppen", QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "Baumgruppen"),
       ObjectKind::TreeGroups, [](ProportionsPage& p) -> QDialog& { return p.TreeGroups(); }},
      {"Picture_Granit", QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "Granit"),
       ObjectKind::Granite, [](ProportionsPage& p) -> QDialog& { return p.Granite(); }},
      {"Picture_Schaetze", QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "Schätze"),
       ObjectKind::Treasures, [](ProportionsPage& p) -> QDialog& { return p.Resources(); }},
      {"Picture_Tiere", QT_TRANSLATE_NOOP("swd::wizard::ProportionsPage", "Tiere"),
       ObjectKind::Animals, [](ProportionsPage& p) -> QDialog& { return p.Animals(); }},
  };
  for (int i = 0; i < 4; ++i) {
    const Opener& opener = kOpeners[i];
    auto* picture = new PictureButton(ObjectPicture(opener.picture, kDialogPictureSize),
                                      tr(opener.caption), this);
    picture->setObjectName(opener.name);
    connect(picture, &PictureButton::clicked, this,
            [this, &opener] { opener.dialog(*this).exec(); });
    dialog_pictures_[i] = picture;
    below->addWidget(picture);
  }
  Content()->addLayout(below);
  AddButtons(Help | Back | Cancel | Next);
}

void ProportionsPage::Activate() {
  const int type = settings_.LandscapeType;
  for (int c : kProportionRows) {
    Row& row = rows_[c];
    row.label->setText(RowLabel(type, c));
    const RowShows shows = RowVisibility(type, c);
    row.label->setVisible(shows != RowShows::Hidden);
    row.sliders[Amount]->setVisible(shows == RowShows::AllSliders);
    row.sliders[Size]->setVisible(shows == RowShows::AllSliders);
    row.sliders[Decoration]->setVisible(shows != RowShows::Hidden);
  }
}

void ProportionsPage::ShowSettings() {
  const std::array<const std::array<int, 11>*, 3> levels{&settings_.Slider1, &settings_.Slider2,
                                                         &settings_.Slider3};
  for (int c : kProportionRows) {
    for (int g = 0; g < 3; ++g)
      rows_[c].sliders[g]->setValue((*levels[g])[c]);
  }
  area_variant_->setChecked(settings_.CheckFlaechenvariante);
  for (DetailDialog* dialog :
       std::initializer_list<DetailDialog*>{resources_, granite_, animals_, tree_groups_}) {
    if (dialog != nullptr) dialog->ShowSettings();
  }
}

ResourceDialog& ProportionsPage::Resources() {
  if (resources_ == nullptr) resources_ = new ResourceDialog(settings_.ResourceShares, this);
  return *resources_;
}
GraniteDialog& ProportionsPage::Granite() {
  if (granite_ == nullptr) granite_ = new GraniteDialog(settings_, this);
  return *granite_;
}
AnimalDialog& ProportionsPage::Animals() {
  if (animals_ == nullptr) animals_ = new AnimalDialog(settings_, this);
  return *animals_;
}
TreeGroupDialog& ProportionsPage::TreeGroups() {
  if (tree_groups_ == nullptr) tree_groups_ = new TreeGroupDialog(settings_, this);
  return *tree_groups_;
}

}  // namespace swd::wizard
