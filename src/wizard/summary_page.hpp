#pragma once

#include "model/settings.hpp"
#include "wizard/wizard_page.hpp"

class QLabel;

namespace swd::wizard {

// The summary page: what the landscape will be like, rebuilt on every activation.
class SummaryPage : public WizardPage {
  Q_OBJECT

 public:
  SummaryPage(const GeneratorSettings& settings, QWidget* parent = nullptr);

  void Activate() override;

  // The shown lines of a group (0 Allgemeines, 1 Rohstoffvorkommen, 2 Geländetypen).
  QString GroupText(int group) const;

 private:
  const GeneratorSettings& settings_;
  QLabel* groups_[3];
};

}  // namespace swd::wizard
