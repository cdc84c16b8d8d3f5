#pragma once

#include <array>

#include "model/settings.hpp"
#include "wizard/wizard_page.hpp"

class QCheckBox;
class QLabel;
class QSlider;

namespace swd::wizard {

class AnimalDialog;
class GraniteDialog;
class PictureButton;
class ResourceDialog;
class TreeGroupDialog;

// How a terrain row of the proportions page shows for a landscape type.
enum class RowShows { AllSliders, DecorationOnly, Hidden };

// The rows are the terrain classes 0 to 7 and 9; class 8 has none.
inline constexpr std::array<int, 9> kProportionRows{0, 1, 2, 3, 4, 5, 6, 7, 9};

QString RowLabel(int landscape_type, int terrain_class);
RowShows RowVisibility(int landscape_type, int terrain_class);

// The proportions page: amount, size and decoration of each terrain kind, "Flächen-variante", and
// the pictures that open the detail dialogs.
class ProportionsPage : public WizardPage {
  Q_OBJECT

 public:
  enum Group { Amount = 0, Size = 1, Decoration = 2 };

  ProportionsPage(GeneratorSettings& settings, QWidget* parent = nullptr);

  void Activate() override;
  void ShowSettings() override;

  QLabel* RowLabelOf(int terrain_class) const { return rows_[terrain_class].label; }
  QSlider* SliderOf(int terrain_class, Group group) const {
    return rows_[terrain_class].sliders[group];
  }
  QCheckBox* AreaVariantBox() const { return area_variant_; }
  PictureButton* DialogPicture(int index) const { return dialog_pictures_[index]; }

  // The detail dialogs, created on first use and then only hidden.
  ResourceDialog& Resources();
  GraniteDialog& Granite();
  AnimalDialog& Animals();
  TreeGroupDialog& TreeGroups();

 private:
  struct Row {
    QLabel* label = nullptr;
    std::array<QSlider*, 3> sliders{};
  };

  GeneratorSettings& settings_;
  std::array<Row, 10> rows_{};
  QCheckBox* area_variant_;
  std::array<PictureButton*, 4> dialog_pictures_{};
  ResourceDialog* resources_ = nullptr;
  GraniteDialog* granite_ = nullptr;
  AnimalDialog* animals_ = nullptr;
  TreeGroupDialog* tree_groups_ = nullptr;
};

}  // namespace swd::wizard
