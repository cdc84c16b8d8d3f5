#include "wizard/shape_page.hpp"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

#include "model/setting_table.hpp"
#include "shape/picture_reader.hpp"
#include "wizard/choice_group.hpp"
#include "wizard/coast_dialog.hpp"
#include "wizard/message_text.hpp"
#include "wizard/note_label.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/picture_folder.hpp"
#include "wizard/pictures.hpp"
#include "wizard/player_room.hpp"

namespace swd::wizard {

namespace {
constexpr QSize kThumbnailSize(150, 110);
}

QString ShapeName(LandShape shape) {
  return Text(ValueLabel(*FindSetting("shape"), static_cast<int>(shape)));
}

ShapePage::ShapePage(GeneratorSettings& settings, const WizardServices& services, QWidget* parent)
    : WizardPage(tr("Landschaftsumriß"), parent),
      settings_(settings),
      services_(services),
      picture_folder_(StartPictureFolder(services.program_folder, services.settings.get())) {
  auto* grid = new QGridLayout;
  pictures_ = new QButtonGroup(this);
  pictures_->setExclusive(true);
  for (int i = 0; i < kShapePictureCount; ++i) {
    auto* picture =
        new PictureButton(ShapePicture(i, kThumbnailSize), ShapeName(kShapeChoices[i].shape), this);
    picture->setObjectName(kShapeChoices[i].picture);
    picture->setCheckable(true);
    pictures_->addButton(picture, i);
    grid->addWidget(picture, i / 3, i % 3);
  }
  // When the page is first loaded the "Insel" frame is shown.
  pictures_->button(0)->setChecked(true);
  TabLandsOnTicked(*pictures_);
  Content()->addLayout(grid);
  picture_line_ = NoteLabel("Label_Bild", this);
  Content()->addWidget(picture_line_);
  players_note_ = NoteLabel("Label_Spielerplatz", this);
  Content()->addWidget(players_note_);
  Content()->addStretch(1);
  AddButtons(Back | Cancel | Next);

  coast_ = new CoastDialog(settings_.CoastRoughness, this);
  connect(pictures_, &QButtonGroup::idClicked, this, &ShapePage::PictureClicked);
}

PictureButton* ShapePage::Picture(int index) const {
  return static_cast<PictureButton*>(pictures_->button(index));
}

int ShapePage::FramedPicture() const {
  return pictures_->checkedId();
}

void ShapePage::Activate() {
  ShowNotes();
}

void ShapePage::ShowSettings() {
  for (int i = 0; i < kShapePictureCount; ++i) {
    if (kShapeChoices[i].shape == settings_.land_shape) {
      chosen_ = i;
      pictures_->button(i)->setChecked(true);
    }
  }
  coast_->ShowSettings();
  ShowNotes();
}

void ShapePage::PictureClicked(int index) {
  const ShapeChoice& choice = kShapeChoices[index];
  if (choice.then == ShapeChoice::Then::PictureDialog && !ChoosePicture() &&
      settings_.PicturePath.empty()) {
    // No usable picture, and none chosen before: "Spezial" has nothing to build from, so
    // the previous shape stays. With one, it stays "Spezial" with that picture.
    pictures_->button(chosen_)->setChecked(true);
    return;
  }
  chosen_ = index;
  settings_.land_shape = choice.shape;
  ShowNotes();
  if (choice.then == ShapeChoice::Then::CoastDialog) coast_->exec();
}

bool ShapePage::ChoosePicture() {
  const QString path = services_.choose_picture(this, picture_folder_);
  if (path.isEmpty()) return false;
  // The next choice starts where this one was made, also when this picture is refused.
  picture_folder_ = QFileInfo(path).absolutePath();
  RememberPictureFolder(services_.settings.get(), path);
  const PictureRead read =
      LoadPictureFile(path.toStdString(), settings_.MapWidth, settings_.MapHeight);
  if (!read.problem.empty()) {
    QMessageBox::warning(this, tr("Spezial"), Text(read.problem));
    return false;
  }
  settings_.PicturePath = path.toStdString();
  return true;
}

void ShapePage::ShowNotes() {
  QString picture;
  bool problem = false;
  if (settings_.land_shape == LandShape::Picture) {
    const PictureRead read =
        LoadPictureFile(settings_.PicturePath, settings_.MapWidth, settings_.MapHeight);
    problem = !read.problem.empty();
    picture =
        problem ? Text(read.problem) + " " + tr("Bitte ein anderes Bild wählen.")
                : tr("Bild: %1")
                      .arg(QDir::toNativeSeparators(QString::fromStdString(settings_.PicturePath)));
  }
  SetNote(*picture_line_, picture, problem);
  SetNote(*players_note_, PlayerRoomWarning(settings_), true);
}

}  // namespace swd::wizard
