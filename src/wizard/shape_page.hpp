#pragma once

#include "model/settings.hpp"
#include "wizard/services.hpp"
#include "wizard/wizard_page.hpp"

class QButtonGroup;
class QLabel;

namespace swd::wizard {

class CoastDialog;
class PictureButton;

// The pictures of the base-shape page in their order: the shape each chooses (named as the
// table of settings names it) and which dialog follows.
struct ShapeChoice {
  const char* picture;  // the object name
  LandShape shape;
  enum class Then { CoastDialog, Nothing, PictureDialog } then;
};

inline constexpr ShapeChoice kShapeChoices[] = {
    {"Picture_Insel", LandShape::Island, ShapeChoice::Then::CoastDialog},
    {"Picture_Symmetrie", LandShape::IslandSymmetric, ShapeChoice::Then::CoastDialog},
    {"Picture_Spirale", LandShape::Spiral, ShapeChoice::Then::Nothing},
    {"Picture_Spirale2", LandShape::SpiralWithRing, ShapeChoice::Then::Nothing},
    {"Picture_Ring", LandShape::Ring, ShapeChoice::Then::CoastDialog},
    {"Picture_Spezial", LandShape::Picture, ShapeChoice::Then::PictureDialog},
};

// A shape's name as the table of settings gives it, in the wizard's language.
QString ShapeName(LandShape shape);

// The base-shape page: the six base shapes. The picture of "Spezial" is checked when it is
// chosen, and again whenever the page is shown (the map's size may have changed since);
// the line below the shapes names it or says what is wrong with it, and the players note
// says when the shape rarely holds the players asked for.
class ShapePage : public WizardPage {
  Q_OBJECT

 public:
  ShapePage(GeneratorSettings& settings, const WizardServices& services, QWidget* parent = nullptr);

  void Activate() override;
  void ShowSettings() override;
  QLabel* PictureLine() const { return picture_line_; }
  QLabel* PlayersNote() const { return players_note_; }
  QString PictureFolder() const { return picture_folder_; }

  PictureButton* Picture(int index) const;
  // The framed picture, -1 if none.
  int FramedPicture() const;
  CoastDialog& Coast() const { return *coast_; }

 private:
  void PictureClicked(int index);
  // Asks for the picture of "Spezial" and checks it against the map's size; false when
  // no usable picture was chosen now.
  bool ChoosePicture();
  void ShowNotes();

  GeneratorSettings& settings_;
  const WizardServices& services_;
  QButtonGroup* pictures_;
  CoastDialog* coast_;
  QLabel* picture_line_;
  QLabel* players_note_;
  QString picture_folder_;
  int chosen_ = 0;  // the shape the settings hold, "Insel" at first
};

}  // namespace swd::wizard
