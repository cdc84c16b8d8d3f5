#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace swd {

struct FileContent {
  std::filesystem::path path;
  std::vector<std::uint8_t> bytes;
};

// Writes every file to a temporary file beside it and only then renames them into place,
// so a failure leaves existing files as they were. Returns an empty string on success,
// else a German message naming the folder and the reason.
std::string WriteFilesAtomically(const std::vector<FileContent>& files);

}  // namespace swd
