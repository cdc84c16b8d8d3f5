#include "wizard/picture_folder.hpp"

#include <QFileInfo>
#include <QSettings>

namespace swd::wizard {

namespace {
constexpr QLatin1String kPictureFolderKey("PictureFolder");
}

QString StartPictureFolder(const QString& program_folder, const QSettings* settings) {
  if (settings != nullptr) {
    const QString remembered = settings->value(kPictureFolderKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
  }
  return program_folder;
}

void RememberPictureFolder(QSettings* settings, const QString& picture) {
  if (settings == nullptr) return;
  settings->setValue(kPictureFolderKey, QFileInfo(picture).absolutePath());
  settings->sync();
}

}  // namespace swd::wizard
