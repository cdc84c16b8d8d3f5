#pragma once

#include "model/settings.hpp"
#include "wizard/wizard_page.hpp"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;

namespace swd::wizard {

// The type page: landscape type and number of players.
class TypePage : public WizardPage {
  Q_OBJECT

 public:
  TypePage(GeneratorSettings& settings, QWidget* parent = nullptr);

  void Activate() override;

  QAbstractButton* TypeChoice(int landscape_type) const;
  QAbstractButton* PlayerChoice(int players) const;
  QString SizeText() const;
  // Says when maps of this size and base shape rarely hold the players asked for.
  QLabel* PlayersNote() const { return players_note_; }
  // "Faire Startpositionen" (unticked at first) and "Hafenplätze anlegen" (ticked).
  QCheckBox* FairStartsBox() const { return fair_starts_; }
  QCheckBox* HarboursBox() const { return harbours_; }
  void ShowSettings() override;

 protected:
  void LeavePage() override;

 private:
  void TypeClicked(int landscape_type);
  void PlayersClicked(int players);

  GeneratorSettings& settings_;
  QButtonGroup* types_;
  QButtonGroup* players_;
  QLabel* players_picture_;
  QLabel* size_;
  QLabel* players_note_;
  QCheckBox* fair_starts_;
  QCheckBox* harbours_;
};

}  // namespace swd::wizard
