#pragma once

#include <QDialog>
#include <QRect>
#include <optional>

#include "model/host.hpp"
#include "wizard/services.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace swd::wizard {

// The save dialog ("Datei speichern"): title and file name of the map, and the folder it
// goes to. "&Ok" is only offered while both fields hold text, and closes the dialog only
// when the name, the title and the folder can be used and the user agrees to replace a map
// of that name; otherwise the dialog says why. "Anderen Ordner wählen …" picks
// another folder; the dialog says when the one shown cannot be written.
// "In den Kartenordner von Return to the Roots" picks that game's folder for the player's
// own maps, where it exists. "Startpositionen als Objekte eintragen" (ticked at first:
// that engine starts no map without them) keeps its state from one save to the next for
// the program run.
class SaveDialog : public QDialog {
  Q_OBJECT

 public:
  SaveDialog(const WizardServices& services, QWidget* parent);

  // Shows the dialog modally with the proposal, the reason why the last answer could not
  // be used (`problem`) and a note about the map (`note`), each if not empty. No value:
  // "&Abbruch".
  std::optional<SaveTarget> Ask(const SaveTarget& proposal, const QString& problem,
                                const QString& note = {});
  // Where the dialog must not cover, in screen coordinates: it opens beside it. Empty:
  // in the middle of the screen.
  void KeepClear(const QRect& area) { keep_clear_ = area; }

  QLineEdit* TitleField() const { return title_; }
  QLineEdit* NameField() const { return name_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* FolderButton() const { return choose_folder_; }
  QPushButton* GameFolderButton() const { return game_folder_; }
  QCheckBox* StartObjectsBox() const { return start_objects_; }
  QString Message() const;
  QString Note() const;
  QString Folder() const { return folder_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void InputChanged();
  void TryAccept();
  // The file name as typed, without the ".swd" the user may have added.
  QString ChosenName() const;
  // Why the name or the title cannot be used; empty when both can.
  QString InputProblem() const;
  // Asks before a map or bitmap of the chosen name is replaced; "&Nein" is the default.
  bool ReplaceAllowed();
  void ChooseFolder();
  void UseFolder(const QString& folder);
  void ShowFolder();
  // `about_input`: the message is about the fields and goes when they are mended.
  void ShowMessage(const QString& text, bool about_input = false);

  const WizardServices& services_;
  QLabel* note_;
  QLineEdit* title_;
  QLineEdit* name_;
  QLabel* folder_label_;
  QCheckBox* start_objects_;
  QLabel* message_;
  QPushButton* choose_folder_;
  QPushButton* game_folder_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QString folder_;
  QRect keep_clear_;
  bool message_about_input_ = false;
};

}  // namespace swd::wizard
