#include "wizard/type_page.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/setting_table.hpp"
#include "model/tables.hpp"
#include "wizard/choice_group.hpp"
#include "wizard/message_text.hpp"
#include "wizard/note_label.hpp"
#include "wizard/page_texts.hpp"
#include "wizard/pictures.hpp"
#include "wizard/player_room.hpp"

namespace swd::wizard {

namespace {
constexpr QSize kTypePictureSize(96, 64);
constexpr QSize kPlayersPictureSize(150, 112);
}  // namespace

TypePage::TypePage(GeneratorSettings& settings, QWidget* parent)
    : WizardPage(tr("Spielszenario und Anzahl der Spieler"), parent), settings_(settings) {
  auto* columns = new QHBoxLayout;

  auto* type_box = new QGroupBox(tr("Landschaftstyp"), this);
  auto* type_grid = new QGridLayout(type_box);
  types_ = new QButtonGroup(this);
  for (int type = 0; type < 3; ++type) {
    auto* picture = new QLabel(type_box);
    picture->setPixmap(QPixmap::fromImage(LandscapePicture(type, kTypePictureSize)));
    type_grid->addWidget(picture, type, 0);
    auto* choice = new QRadioButton(Text(LandscapeTypeKey(type)), type_box);
    types_->addButton(choice, type);
    type_grid->addWidget(choice, type, 1);
  }
  types_->button(settings_.LandscapeType)->setChecked(true);
  columns->addWidget(type_box);

  auto* players_box = new QGroupBox(tr("Gewünschte Spieler-Anzahl"), this);
  auto* players_layout = new QHBoxLayout(players_box);
  auto* player_choices = new QVBoxLayout;
  players_ = new QButtonGroup(this);
  for (int n = 1; n <= 7; ++n) {
    auto* choice = new QRadioButton(QString::number(n), players_box);
    players_->addButton(choice, n);
    player_choices->addWidget(choice);
  }
  players_->button(settings_.PlayerCount)->setChecked(true);
  players_layout->addLayout(player_choices);
  players_picture_ = new QLabel(players_box);
  players_picture_->setPixmap(
      QPixmap::fromImage(PlayersPicture(settings_.PlayerCount, kPlayersPictureSize)));
  players_layout->addWidget(players_picture_);
  columns->addWidget(players_box);
  Content()->addLayout(columns);

  auto* size_row = new QHBoxLayout;
  size_row->addWidget(new QLabel(tr("Größe der Landschaft :"), this));
  size_ = new QLabel(this);
  size_->setObjectName("Label_Groesse");
  size_row->addWidget(size_);
  size_row->addStretch(1);
  Content()->addLayout(size_row);
  // The starts and the sea between them: settings of the table, labelled by it.
  auto* starts_row = new QHBoxLayout;
  const auto box = [&](const char* key, const char* name, bool& setting) {
    auto* check = new QCheckBox(Text(FindSetting(key)->label), this);
    check->setObjectName(name);
    check->setChecked(setting);
    connect(check, &QCheckBox::toggled, this, [&setting](bool ticked) { setting = ticked; });
    starts_row->addWidget(check);
    return check;
  };
  fair_starts_ = box("fair_starts", "Check_FaireStarts", settings_.fair_starts);
  harbours_ = box("harbours", "Check_Hafenplaetze", settings_.harbours);
  starts_row->addStretch(1);
  Content()->addLayout(starts_row);
  players_note_ = NoteLabel("Label_Spielerplatz", this);
  Content()->addWidget(players_note_);
  Content()->addStretch(1);
  TabLandsOnTicked(*types_);
  TabLandsOnTicked(*players_);
  AddButtons(Help | Back | Cancel | Next);

  connect(types_, &QButtonGroup::idClicked, this, &TypePage::TypeClicked);
  connect(players_, &QButtonGroup::idClicked, this, &TypePage::PlayersClicked);
}

QAbstractButton* TypePage::TypeChoice(int landscape_type) const {
  return types_->button(landscape_type);
}
QAbstractButton* TypePage::PlayerChoice(int players) const {
  return players_->button(players);
}
QString TypePage::SizeText() const {
  return size_->text();
}

void TypePage::Activate() {
  size_->setText(SizeLine(settings_.MapWidth, settings_.MapHeight));
  SetNote(*players_note_, PlayerRoomWarning(settings_), true);
}

void TypePage::ShowSettings() {
  types_->button(settings_.LandscapeType)->setChecked(true);
  players_->button(settings_.PlayerCount)->setChecked(true);
  PlayersClicked(settings_.PlayerCount);
  fair_starts_->setChecked(settings_.fair_starts);
  harbours_->setChecked(settings_.harbours);
}

void TypePage::TypeClicked(int landscape_type) {
  settings_.LandscapeType = static_cast<std::uint8_t>(landscape_type);
}

void TypePage::PlayersClicked(int players) {
  settings_.PlayerCount = static_cast<std::uint8_t>(players);
  players_picture_->setPixmap(QPixmap::fromImage(PlayersPicture(players, kPlayersPictureSize)));
  SetNote(*players_note_, PlayerRoomWarning(settings_), true);
}

void TypePage::LeavePage() {
  TypeClicked(types_->checkedId());
  PlayersClicked(players_->checkedId());
}

}  // namespace swd::wizard
