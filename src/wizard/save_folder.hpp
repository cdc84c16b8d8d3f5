#pragma once

#include <QString>

class QSettings;

namespace swd::wizard {

// Whether a new file can be created in the folder: tried with a temporary file, because
// permission bits do not tell for every file system and user.
bool FolderWritable(const QString& folder);

// The save dialog's note for a folder that cannot be written.
QString UnwritableFolderMessage(const QString& folder);

// The folder the save dialog starts in: the one the user last saved to, while it can still
// be written; else the program's own folder where it can be written (a build folder, a copy
// on a stick); else the user's documents folder, because an installed program's folder
// belongs to the system. `settings` null: nothing is remembered.
QString StartSaveFolder(const QString& program_folder, const QSettings* settings);

// Return to the Roots' folder for the player's own maps, the ones its map list shows
// under the player's maps: WORLDS in its user data folder, which is ~/.s25rttr unless the
// environment variable RTTR_USERDATA_DIR moves it. Empty when there is no such folder.
QString GameMapsFolder();

// Keeps `folder` for StartSaveFolder at the next start.
void RememberSaveFolder(QSettings* settings, const QString& folder);

}  // namespace swd::wizard
