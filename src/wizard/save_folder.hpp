#pragma once

#include <QString>

namespace swd::wizard {

// Whether a new file can be created in the folder: tried with a temporary file, because
// permission bits do not tell for every file system and user.
bool FolderWritable(const QString& folder);

// The save dialog's German note for a folder that cannot be written.
QString UnwritableFolderMessage(const QString& folder);

}  // namespace swd::wizard
