#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/messages.hpp"

namespace swd {

// The folder a file lies in; "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& file);

// "Die Datei NAME konnte im Ordner FOLDER nicht gespeichert werden: REASON." for the errno
// value `err` of the failed call.
Message SaveProblem(const std::filesystem::path& file, int err);

// Writes all bytes to the open descriptor, however the kernel splits the write; returns 0
// or the errno of the failure.
int WriteAll(int fd, const std::vector<std::uint8_t>& bytes);

enum class WriteMode { Replace, Append };

// Writes a file in place, without the care of WriteFilesAtomically: for traces that are
// useful even when incomplete. Only a regular file is replaced or appended to (a link is
// followed); a write that fails leaves no part of its bytes behind: a replaced file is
// removed, an appended one cut back to its length before. Returns an empty message or why
// the file could not be written.
Message WriteWholeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                       WriteMode mode);

}  // namespace swd
