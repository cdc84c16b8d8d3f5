#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/host.hpp"

namespace swd {

// Writes the files of one save so that readers only ever see whole files and a failure
// leaves the files already there as they were: each is written to a hidden temporary file of
// its own beside the target, flushed to the disk and only then renamed into place, and the
// folders are flushed after the renames. Runs that write the same files at once take turns
// at the renames (a lock on the first file's folder), so the files left behind all come from
// one run.
//
// Only regular files are replaced; a symbolic link is followed, and the file it points to is
// replaced while the link stays. A folder, device, FIFO or socket in a file's place, or two
// files of the save that are one, refuse the whole save before anything is written. Temporary
// files that killed runs left in the folders are removed first.
//
// `interrupted`, when given, is asked once the files are ready to be renamed: true stops the
// save there, with nothing replaced and the message SaveInterrupted.
//
// Returns an empty message on success, else one naming the file, the folder and the reason.
Message WriteFilesAtomically(const std::vector<FileContent>& files,
                             const std::function<bool()>& interrupted = {});

}  // namespace swd
