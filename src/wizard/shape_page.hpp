#pragma once

#include "model/settings.hpp"
#include "wizard/services.hpp"
#include "wizard/wizard_page.hpp"

class QButtonGroup;
class QLabel;

namespace swd::wizard {

class CoastDialog;
class PictureButton;

// What clicking a base-shape picture sets, and which dialog follows.
struct ShapeChoice {
  const char* picture;  // the object name
  const char* caption;
  float shaped_base;
  float symmetric_base;
  float shape_code;
  enum class Then { CoastDialog, Nothing, PictureDialog } then;
};

inline constexpr ShapeChoice kShapeChoices[] = {
    {"Picture_Insel", QT_TRANSLATE_NOOP("swd::wizard::ShapePage", "Insel"), 0, 0, 0,
     ShapeChoice::Then::CoastDialog},
    {"Picture_Symmetrie", QT_TRANSLATE_NOOP("swd::wizard::ShapePage", "Insel (sym.)"), 0, 1, 0,
     ShapeChoice::Then::CoastDialog},
    {"Picture_Spirale", QT_TRANSLATE_NOOP("swd::wizard::ShapePage", "Spirale"), 1, 0, 1,
     ShapeChoice::Then::Nothing},
    {"Picture_Spirale2", QT_TRANSLATE_NOOP("swd::wizard::ShapePage", "Spirale mit Ring"), 1, 0, 3,
     ShapeChoice::Then::Nothing},
    {"Picture_Ring", QT_TRANSLATE_NOOP("swd::wizard::ShapePage", "Ring"), 1, 0, 2,
     ShapeChoice::Then::CoastDialog},
    {"Picture_Spezial", QT_TRANSLATE_NOOP("swd::wizard::ShapePage", "Spezial"), 1, 0, 4,
     ShapeChoice::Then::PictureDialog},
};

// The base-shape page: the six base shapes. The picture of "Spezial" is checked when it is
// chosen, and again whenever the page is shown (the map's size may have changed since);
// the line below the shapes names it or says what is wrong with it, and the players note
// says when the shape rarely holds the players asked for.
class ShapePage : public WizardPage {
  Q_OBJECT

 public:
  ShapePage(GeneratorSettings& settings, const WizardServices& services, QWidget* parent = nullptr);

  void Activate() override;
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
