#include "wizard/services.hpp"

#include <QCoreApplication>
#include <QFileDialog>
#include <QTime>

namespace swd::wizard {

WizardServices DefaultServices() {
  WizardServices s;
  s.program_folder = QCoreApplication::applicationDirPath();
  s.choose_picture = [](QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, "Laden", start, "Bilder (*.bmp)");
    dialog.setDefaultSuffix("bmp");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
  };
  s.choose_folder = [](QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, "Ordner zum Speichern wählen", start);
  };
  // Like the original's timer: milliseconds since midnight.
  s.clock_seed = [] {
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
  };
  return s;
}

}  // namespace swd::wizard
