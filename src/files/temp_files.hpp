#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string_view>

#include "files/descriptor.hpp"

namespace swd {

// The temporary files a save writes beside its targets before renaming them into place.
// Their names are hidden and say whose they are, ".NAME.swdgen-PID-RANDOM.tmp", and the run
// that writes one holds an exclusive flock on it for as long as it lives. A run that is
// killed leaves it behind, unlocked, and a later save in the same folder removes it.

struct TempFile {
  std::filesystem::path path;  // empty when none was created
  Descriptor fd;               // open and locked while the file is the run's
};

// Creates a new temporary file beside `target`, open for writing and locked; sets `err` to
// the errno of the failure, leaving the path empty.
TempFile CreateTempFile(const std::filesystem::path& target, int& err);

// The process that made the temporary file of this name; none when the name is not one of
// ours.
std::optional<pid_t> TempFileOwner(std::string_view name);

// Removes the temporary files in `folder` that runs left behind when they were killed: only
// names of ours whose process is gone and whose lock nobody holds, so that a live run's file
// (on this machine or, over a network file system, on another) and the user's files stay.
void RemoveLeftoverTempFiles(const std::filesystem::path& folder);

}  // namespace swd
