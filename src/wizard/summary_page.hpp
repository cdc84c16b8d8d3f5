#pragma once

#include <functional>

#include "model/settings.hpp"
#include "wizard/wizard_page.hpp"

class QLabel;

namespace swd::wizard {

// The summary page: what the landscape will be like, every setting of the table, and the map
// code that Start makes of them; rebuilt on every activation.
class SummaryPage : public WizardPage {
  Q_OBJECT

 public:
  // `code` gives the code of the map the next Start makes.
  SummaryPage(const GeneratorSettings& settings, std::function<QString()> code,
              QWidget* parent = nullptr);

  void Activate() override;

  // The shown lines of a group (0 Allgemeines, 1 Rohstoffvorkommen, 2 Geländetypen, 3 Weitere
  // Einstellungen).
  QString GroupText(int group) const;
  // "Kartencode: SWD1-...", selectable.
  QLabel* CodeLabel() const { return code_label_; }

 private:
  const GeneratorSettings& settings_;
  std::function<QString()> code_;
  QLabel* groups_[4];
  QLabel* code_label_;
};

}  // namespace swd::wizard
