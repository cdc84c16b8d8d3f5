#include "mapfile/atomic_files.hpp"

#include <cerrno>
#include <cstdio>
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

std::string Problem(const std::filesystem::path& file, int err) {
  const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
  return "Die Datei " + file.filename().string() + " konnte im Ordner " + folder.string() +
         " nicht gespeichert werden: " + Reason(err) + ".";
}

// Writes the bytes to path; returns 0 or the errno of the failure.
int WriteWhole(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return errno != 0 ? errno : EIO;
  const std::size_t n = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), f);
  int err = (n == bytes.size()) ? 0 : (errno != 0 ? errno : EIO);
  if (std::fflush(f) != 0 && err == 0) err = errno != 0 ? errno : EIO;
  if (std::fclose(f) != 0 && err == 0) err = errno != 0 ? errno : EIO;
  return err;
}
}  // namespace

std::string WriteFilesAtomically(const std::vector<FileContent>& files) {
  std::vector<std::filesystem::path> temps;
  auto discard = [&] {
    std::error_code ec;
    for (const auto& t : temps)
      std::filesystem::remove(t, ec);
  };
  // A rename within one folder only fails in practice where a folder stands in the way:
  // refuse that before anything is replaced, so that the files stay a matching pair.
  for (const auto& file : files) {
    std::error_code ec;
    if (std::filesystem::is_directory(file.path, ec)) return Problem(file.path, EISDIR);
  }
  for (const auto& file : files) {
    auto temp = file.path;
    temp += ".tmp";
    temps.push_back(temp);
    if (const int err = WriteWhole(temp, file.bytes); err != 0) {
      discard();
      return Problem(file.path, err);
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    std::filesystem::rename(temps[i], files[i].path, ec);
    if (ec) {
      discard();
      return Problem(files[i].path, ec.value());
    }
  }
  return {};
}

}  // namespace swd
