#pragma once

#include <QString>

class QSettings;

namespace swd::wizard {

// The folder the picture chooser of "Spezial" opens in: the one the last picture was
// chosen from, while it is there; else the program's own folder. `settings` null: nothing
// is remembered from one start to the next.
QString StartPictureFolder(const QString& program_folder, const QSettings* settings);

// Keeps the folder of `picture` for StartPictureFolder.
void RememberPictureFolder(QSettings* settings, const QString& picture);

}  // namespace swd::wizard
