#include "files/file_writer.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace swd {

namespace {
std::string Reason(int err) {
  switch (static_cast<std::errc>(err)) {
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
      return "keine Schreibberechtigung";
    case std::errc::no_space_on_device:
      return "kein Platz mehr auf dem Datenträger";
    case std::errc::no_such_file_or_directory:
    case std::errc::not_a_directory:
      return "der Ordner existiert nicht";
    case std::errc::read_only_file_system:
      return "der Datenträger ist schreibgeschützt";
    case std::errc::is_a_directory:
      return "an dieser Stelle liegt ein Ordner";
    default:
      return std::error_code(err, std::generic_category()).message();
  }
}
}  // namespace

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

std::string SaveProblem(const std::filesystem::path& file, int err) {
  return "Die Datei " + file.filename().string() + " konnte im Ordner " + FolderOf(file).string() +
         " nicht gespeichert werden: " + Reason(err) + ".";
}

int WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

int WriteWholeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                   WriteMode mode) {
  const int flags =
      O_WRONLY | O_CREAT | O_CLOEXEC | (mode == WriteMode::Append ? O_APPEND : O_TRUNC);
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return errno;
  int err = WriteAll(fd, bytes);
  if (::close(fd) != 0 && err == 0) err = errno;
  return err;
}

}  // namespace swd
