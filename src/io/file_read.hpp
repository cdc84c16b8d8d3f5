#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace swd {

// Why a file could not be read into memory.
enum class FileReadProblem { None, Missing, NotAFile, NoPermission, TooLarge, Unreadable };

struct FileRead {
  std::vector<std::uint8_t> bytes;
  FileReadProblem problem = FileReadProblem::None;
};

// Reads a whole regular file of at most `limit` bytes. Folders, devices and pipes are
// refused before anything is read, and never more than limit + 1 bytes are read, so a file
// that grows while it is read cannot make the reader run on.
FileRead ReadWholeFile(const std::filesystem::path& path, std::uintmax_t limit);

}  // namespace swd
