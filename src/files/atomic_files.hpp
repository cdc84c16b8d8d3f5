#pragma once

#include <string>
#include <vector>

#include "model/host.hpp"

namespace swd {

// Writes the files of one save, all in one folder, so that readers only ever see whole
// files and a failure leaves the files already there as they were: each is written to a
// hidden temporary file of its own beside the target, flushed to the disk and only then
// renamed into place, and the folder is flushed after the renames. Runs that write the
// same files at once take turns at the renames, so the files left behind all come from one
// run. Returns an empty message on success, else one naming the file, the folder and the
// reason.
Message WriteFilesAtomically(const std::vector<FileContent>& files);

}  // namespace swd
