#include "files/output_path.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "files/file_writer.hpp"

namespace swd {

namespace {

// As many links as the kernel follows before it reports a loop.
constexpr int kMostLinks = 40;

// What stands in the way of a file, by its type.
struct InTheWay {
  mode_t type;
  MessageKey key;
};
constexpr InTheWay kInTheWay[] = {
    {S_IFDIR, MessageKey::SaveIsFolder},  {S_IFCHR, MessageKey::SaveIsDevice},
    {S_IFBLK, MessageKey::SaveIsDevice},  {S_IFIFO, MessageKey::SaveIsFifo},
    {S_IFSOCK, MessageKey::SaveIsSocket},
};

}  // namespace

std::filesystem::path FollowLinks(const std::filesystem::path& path) {
  std::filesystem::path at = path;
  for (int hop = 0; hop < kMostLinks; ++hop) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(at, ec))) return at;
    const std::filesystem::path to = std::filesystem::read_symlink(at, ec);
    if (ec) return at;
    at = to.is_absolute() ? to : at.parent_path() / to;
  }
  return path;
}

Message FolderProblem(const std::filesystem::path& folder) {
  const Message name = Message::Verbatim(folder.string());
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) {
    switch (errno) {
      case ENOENT:
      case ENOTDIR:
        return {MessageKey::FolderMissing, {name}};
      case EACCES:
      case EPERM:
        return {MessageKey::FolderNoAccess, {name}};
      default:
        return {MessageKey::FolderUnusable,
                {name, Message::Verbatim(std::generic_category().message(errno))}};
    }
  }
  if (!S_ISDIR(st.st_mode)) return {MessageKey::FolderMissing, {name}};
  return {};
}

Message ReplaceProblem(const std::filesystem::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return {};
  for (const InTheWay& kind : kInTheWay) {
    if ((st.st_mode & S_IFMT) == kind.type) {
      return {kind.key,
              {Message::Verbatim(target.filename().string()),
               Message::Verbatim(FolderOf(target).string())}};
    }
  }
  return {};
}

Message OutputProblem(const std::filesystem::path& path) {
  const std::filesystem::path target = FollowLinks(path);
  if (Message problem = FolderProblem(FolderOf(target)); !problem.empty()) return problem;
  return ReplaceProblem(target);
}

bool SameOutput(const std::filesystem::path& a, const std::filesystem::path& b) {
  // Two names of one file that is there already, hard links among them.
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  // Else where each would be, resolved as far as it exists; where the current folder is
  // gone, by the names alone.
  const auto place = [](const std::filesystem::path& path) {
    const std::filesystem::path target = FollowLinks(path);
    std::error_code error;
    const auto absolute = std::filesystem::absolute(target, error);
    const auto resolved = error ? target : std::filesystem::weakly_canonical(absolute, error);
    return error ? target.lexically_normal() : resolved;
  };
  return place(a) == place(b);
}

}  // namespace swd
