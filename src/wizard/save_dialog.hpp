#pragma once

#include <QDialog>
#include <optional>

#include "model/host.hpp"
#include "wizard/services.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

namespace swd::wizard {

// Form_Speichern: title and file name of the map, and the folder it goes to. "&Ok" is
// only offered while both fields hold text, and closes the dialog only when the name,
// the title and the folder can be used; otherwise the dialog says why in German. When the
// folder cannot be written, it offers to choose another.
class SaveDialog : public QDialog {
  Q_OBJECT

 public:
  SaveDialog(const WizardServices& services, QWidget* parent);

  // Shows the dialog modally with the proposal and, if not empty, the reason why the last
  // answer could not be used. No value: "&Abbruch".
  std::optional<SaveTarget> Ask(const SaveTarget& proposal, const QString& problem);

  QLineEdit* TitleField() const { return title_; }
  QLineEdit* NameField() const { return name_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* FolderButton() const { return choose_folder_; }
  QString Message() const;
  QString Folder() const { return folder_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void UpdateOk();
  void TryAccept();
  void ChooseFolder();
  void ShowFolder();
  void ShowMessage(const QString& text);

  const WizardServices& services_;
  QLineEdit* title_;
  QLineEdit* name_;
  QLabel* folder_label_;
  QLabel* message_;
  QPushButton* choose_folder_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QString folder_;
};

}  // namespace swd::wizard
