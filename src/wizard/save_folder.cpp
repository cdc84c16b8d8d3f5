#include "wizard/save_folder.hpp"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace swd::wizard {

bool FolderWritable(const QString& folder) {
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
  QTemporaryFile probe(QDir(folder).filePath("swdgen-probe-XXXXXX"));
  return probe.open();
}

QString UnwritableFolderMessage(const QString& folder) {
  return "In den Ordner " + QDir::toNativeSeparators(folder) +
         " kann nicht geschrieben werden. Bitte einen anderen Ordner wählen.";
}

}  // namespace swd::wizard
