#include "wizard/save_folder.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace swd::wizard {

namespace {
constexpr QLatin1String kSaveFolderKey("SaveFolder");
}

bool FolderWritable(const QString& folder) {
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
  QTemporaryFile probe(QDir(folder).filePath("swdgen-probe-XXXXXX"));
  return probe.open();
}

QString UnwritableFolderMessage(const QString& folder) {
  return QCoreApplication::translate(
             "swd::wizard::SaveDialog",
             "In den Ordner %1 kann nicht geschrieben werden. Bitte einen anderen Ordner wählen.")
      .arg(QDir::toNativeSeparators(folder));
}

QString StartSaveFolder(const QString& program_folder, const QSettings* settings) {
  if (settings != nullptr) {
    const QString remembered = settings->value(kSaveFolderKey).toString();
    if (FolderWritable(remembered)) return remembered;
  }
  if (FolderWritable(program_folder)) return program_folder;
  // The documents folder the desktop names need not exist on a bare system.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString GameMapsFolder() {
  const QString moved = qEnvironmentVariable("RTTR_USERDATA_DIR");
  const QString user_data = moved.isEmpty() ? QDir::home().filePath(".s25rttr") : moved;
  const QString maps = QDir(user_data).filePath("WORLDS");
  return QFileInfo(maps).isDir() ? maps : QString();
}

void RememberSaveFolder(QSettings* settings, const QString& folder) {
  if (settings == nullptr) return;
  settings->setValue(kSaveFolderKey, folder);
  // Written now rather than at the end: a program that is killed keeps it, too.
  settings->sync();
}

}  // namespace swd::wizard
