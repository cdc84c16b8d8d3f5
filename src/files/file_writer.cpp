#include "files/file_writer.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "files/output_path.hpp"

namespace swd {

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

Message SaveProblem(const std::filesystem::path& file, int err) {
  std::vector<Message> args{Message::Verbatim(file.filename().string()),
                            Message::Verbatim(FolderOf(file).string())};
  switch (static_cast<std::errc>(err)) {
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
      return {MessageKey::SaveNoPermission, std::move(args)};
    case std::errc::no_space_on_device:
      return {MessageKey::SaveNoSpace, std::move(args)};
    case std::errc::no_such_file_or_directory:
    case std::errc::not_a_directory:
      return {MessageKey::SaveNoFolder, std::move(args)};
    case std::errc::read_only_file_system:
      return {MessageKey::SaveReadOnly, std::move(args)};
    case std::errc::is_a_directory:
      return {MessageKey::SaveIsFolder, std::move(args)};
    default:
      args.push_back(Message::Verbatim(std::error_code(err, std::generic_category()).message()));
      return {MessageKey::SaveFailed, std::move(args)};
  }
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

Message WriteWholeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                       WriteMode mode) {
  const std::filesystem::path target = FollowLinks(path);
  if (Message problem = ReplaceProblem(target); !problem.empty()) return problem;
  const bool append = mode == WriteMode::Append;
  const int fd =
      ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC), 0666);
  if (fd < 0) return SaveProblem(target, errno);
  struct stat before {};
  const off_t length = append && ::fstat(fd, &before) == 0 ? before.st_size : 0;
  int err = WriteAll(fd, bytes);
  // A full disk leaves the trace as it was before this write: no empty or half step file.
  if (err != 0 && append) {
    [[maybe_unused]] const int cut = ::ftruncate(fd, length);
  } else if (err != 0) {
    ::unlink(target.c_str());
  }
  if (::close(fd) != 0 && err == 0) err = errno;
  return err == 0 ? Message{} : SaveProblem(target, err);
}

}  // namespace swd
