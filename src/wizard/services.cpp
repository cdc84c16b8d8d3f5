#include "wizard/services.hpp"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QSettings>
#include <QTreeView>
#include <random>

namespace swd::wizard {

namespace {
QString Chosen(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}
// Qt's file dialog opens small, and its detail view then cuts the size and date columns
// ("17....KiB"): a size that fits them, and columns as wide as their contents with the
// name taking the rest.
void FitColumns(QFileDialog& dialog) {
  dialog.resize(dialog.sizeHint().expandedTo(QSize(820, 500)));
  if (auto* tree = dialog.findChild<QTreeView*>("treeView")) {
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

}  // namespace

// Qt's own dialogs rather than the desktop's: they speak the program's language, whatever
// language the desktop speaks.
std::unique_ptr<QFileDialog> MakePictureDialog(QWidget* parent, const QString& start_folder) {
  auto dialog = std::make_unique<QFileDialog>(
      parent, QCoreApplication::translate("swd::wizard::FileDialogs", "Laden"), start_folder,
      QCoreApplication::translate("swd::wizard::FileDialogs", "Bilder (*.bmp)"));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setDefaultSuffix("bmp");
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  FitColumns(*dialog);
  return dialog;
}

std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* parent, const QString& start_folder) {
  auto dialog = std::make_unique<QFileDialog>(
      parent,
      QCoreApplication::translate("swd::wizard::FileDialogs", "Ordner zum Speichern wählen"),
      start_folder);
  dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
  dialog->setFileMode(QFileDialog::Directory);
  FitColumns(*dialog);
  return dialog;
}

std::uint32_t DrawSystemSeed() {
  return static_cast<std::uint32_t>(std::random_device{}());
}

WizardServices DefaultServices() {
  WizardServices s;
  s.program_folder = QCoreApplication::applicationDirPath();
  // The user's own settings file, named by the organisation and program (main.cpp).
  s.settings = std::make_shared<QSettings>();
  s.choose_picture = [](QWidget* parent, const QString& start) {
    return Chosen(*MakePictureDialog(parent, start));
  };
  s.choose_folder = [](QWidget* parent, const QString& start) {
    return Chosen(*MakeFolderDialog(parent, start));
  };
  return s;
}

}  // namespace swd::wizard
