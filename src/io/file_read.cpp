#include "io/file_read.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace swd {

namespace {
FileReadProblem ProblemOf(const std::error_code& ec) {
  if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) {
    return FileReadProblem::Missing;
  }
  if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted) {
    return FileReadProblem::NoPermission;
  }
  return FileReadProblem::Unreadable;
}

FileRead Refused(FileReadProblem problem) {
  return {{}, problem};
}
}  // namespace

FileRead ReadWholeFile(const std::filesystem::path& path, std::uintmax_t limit) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) return Refused(ProblemOf(ec));
  if (!std::filesystem::is_regular_file(status)) return Refused(FileReadProblem::NotAFile);
  if (const auto size = std::filesystem::file_size(path, ec); !ec && size > limit) {
    return Refused(FileReadProblem::TooLarge);
  }

  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) return Refused(ProblemOf(std::error_code(errno, std::generic_category())));
  FileRead read;
  std::uint8_t chunk[1 << 16];
  while (read.bytes.size() <= limit) {
    const auto want = static_cast<std::size_t>(
        std::min<std::uintmax_t>(sizeof chunk, limit + 1 - read.bytes.size()));
    const std::size_t n = std::fread(chunk, 1, want, file.get());
    read.bytes.insert(read.bytes.end(), chunk, chunk + n);
    if (n < want) break;
  }
  if (std::ferror(file.get())) return Refused(FileReadProblem::Unreadable);
  if (read.bytes.size() > limit) return Refused(FileReadProblem::TooLarge);
  return read;
}

}  // namespace swd
