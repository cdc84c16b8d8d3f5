#pragma once

#include "model/settings.hpp"
#include "wizard/wizard_page.hpp"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;

namespace swd::wizard {

class SizeOutlineView;

// The size page: width and height, "Insel" and "Erweiterte Einstellungen".
class SizePage : public WizardPage {
  Q_OBJECT

 public:
  SizePage(GeneratorSettings& settings, QWidget* parent = nullptr);

  QAbstractButton* WidthChoice(int size) const;
  QAbstractButton* HeightChoice(int size) const;
  QCheckBox* InselBox() const { return insel_; }
  QCheckBox* ExtendedBox() const { return extended_; }
  QString EstimateText() const;
  const SizeOutlineView& Outline() const { return *outline_; }
  void ShowSettings() override;

 protected:
  void LeavePage() override;

 private:
  void SizeClicked();

  GeneratorSettings& settings_;
  QButtonGroup* widths_;
  QButtonGroup* heights_;
  QLabel* estimate_;
  SizeOutlineView* outline_;
  QCheckBox* insel_;
  QCheckBox* extended_;
};

}  // namespace swd::wizard
