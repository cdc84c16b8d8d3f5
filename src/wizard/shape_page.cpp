#include "wizard/shape_page.hpp"

#include <QButtonGroup>
#include <QGridLayout>

#include "wizard/coast_dialog.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/pictures.hpp"

namespace swd::wizard {

namespace {
constexpr QSize kThumbnailSize(150, 110);
}

ShapePage::ShapePage(GeneratorSettings& settings, const WizardServices& services, QWidget* parent)
    : WizardPage(tr("Landschaftsumriß"), parent), settings_(settings), services_(services) {
  auto* grid = new QGridLayout;
  pictures_ = new QButtonGroup(this);
  pictures_->setExclusive(true);
  for (int i = 0; i < kShapePictureCount; ++i) {
    auto* picture =
        new PictureButton(ShapePicture(i, kThumbnailSize), tr(kShapeChoices[i].caption), this);
    picture->setObjectName(kShapeChoices[i].picture);
    picture->setCheckable(true);
    pictures_->addButton(picture, i);
    grid->addWidget(picture, i / 3, i % 3);
  }
  // When the page is first loaded the "Insel" frame is shown.
  pictures_->button(0)->setChecked(true);
  Content()->addLayout(grid);
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

void ShapePage::PictureClicked(int index) {
  const ShapeChoice& choice = kShapeChoices[index];
  if (choice.then == ShapeChoice::Then::PictureDialog) {
    const QString path = services_.choose_picture(this, services_.program_folder);
    if (!path.isEmpty()) settings_.PicturePath = path.toStdString();
    // Cancelled with no picture chosen before: "Spezial" has nothing to build from, so the
    // previous shape stays. With one, it stays "Spezial" with that picture.
    if (settings_.PicturePath.empty()) {
      pictures_->button(chosen_)->setChecked(true);
      return;
    }
  }
  chosen_ = index;
  settings_.ShapedBase = choice.shaped_base;
  settings_.SymmetricBase = choice.symmetric_base;
  settings_.ShapeCode = choice.shape_code;
  if (choice.then == ShapeChoice::Then::CoastDialog) coast_->exec();
}

}  // namespace swd::wizard
