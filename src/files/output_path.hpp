#pragma once

#include <filesystem>

#include "model/messages.hpp"

namespace swd {

// Where a file written to `path` ends up: through a symbolic link (and a chain of them) to
// the file it points to, which is replaced while the link stays. `path` itself when it is no
// link, and where a chain does not end, so that opening it reports the loop.
std::filesystem::path FollowLinks(const std::filesystem::path& path);

// Why files cannot be written into `folder`: it is missing, not a folder, or cannot be
// entered (FolderMissing, FolderNoAccess, FolderUnusable). Empty when they can.
Message FolderProblem(const std::filesystem::path& folder);

// Why the file at `target` (links already followed) must not be replaced: only a regular file
// is, never a folder, a device, a FIFO or a socket (SaveIsFolder, SaveIsDevice, ...). Empty
// when nothing or a regular file is there.
Message ReplaceProblem(const std::filesystem::path& target);

// Both checks for an output path, links followed: what stops a file from being written to
// `path`, found before anything is written; empty when nothing does.
Message OutputProblem(const std::filesystem::path& path);

// Whether two output paths end up as one file, whether or not it exists yet: the same path
// once links are followed and "." and ".." taken out.
bool SameOutput(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace swd
