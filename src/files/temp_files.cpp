#include "files/temp_files.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <charconv>
#include <random>
#include <string>
#include <system_error>

namespace swd {

namespace {

constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLength = 12;
constexpr std::string_view kMark = ".swdgen-";
constexpr std::string_view kEnd = ".tmp";
// The target's name in the temporary one is cut short, so that the whole stays within the
// 255 bytes a name may have.
constexpr std::size_t kMostNameBytes = 160;

std::string TempName(const std::filesystem::path& target, std::mt19937_64& random) {
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string name = "." + target.filename().string().substr(0, kMostNameBytes);
  name += kMark;
  name += std::to_string(::getpid()) + "-";
  for (std::size_t i = 0; i < kRandomLength; ++i)
    name += kLetters[pick(random)];
  name += kEnd;
  return name;
}

}  // namespace

TempFile CreateTempFile(const std::filesystem::path& target, int& err) {
  std::random_device device;
  std::mt19937_64 random((static_cast<std::uint64_t>(device()) << 32) ^ device());
  for (int attempt = 0; attempt < 100; ++attempt) {
    TempFile temp;
    temp.path = target.parent_path() / TempName(target, random);
    // O_EXCL keeps even a user's file that happens to have the name untouched.
    temp.fd = Descriptor(::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!temp.fd.open()) {
      err = errno;
      if (err == EEXIST) continue;
      return {};
    }
    // Nobody else knows the name yet, so the lock is had at once. On a file system without
    // locks the process id in the name still keeps the file from being taken for a leftover.
    while (::flock(temp.fd.get(), LOCK_EX) != 0 && errno == EINTR) {
    }
    err = 0;
    return temp;
  }
  err = EEXIST;
  return {};
}

std::optional<pid_t> TempFileOwner(std::string_view name) {
  if (name.size() < 2 || name.front() != '.' || !name.ends_with(kEnd)) return std::nullopt;
  name.remove_suffix(kEnd.size());
  if (name.size() < kRandomLength + 1) return std::nullopt;
  for (const char c : name.substr(name.size() - kRandomLength)) {
    if (kLetters.find(c) == std::string_view::npos) return std::nullopt;
  }
  name.remove_suffix(kRandomLength);
  if (!name.ends_with('-')) return std::nullopt;
  name.remove_suffix(1);
  const std::size_t mark = name.rfind(kMark);
  if (mark == std::string_view::npos || mark == 0) return std::nullopt;
  const std::string_view digits = name.substr(mark + kMark.size());
  pid_t pid = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || pid <= 0) {
    return std::nullopt;
  }
  return pid;
}

void RemoveLeftoverTempFiles(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::directory_iterator entries(folder, ec);
  for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
    const std::filesystem::path& path = entries->path();
    const std::optional<pid_t> owner = TempFileOwner(path.filename().string());
    if (!owner) continue;
    // A process that is there (or that we may not signal, which is there as well) may still
    // be writing it.
    if (::kill(*owner, 0) == 0 || errno != ESRCH) continue;
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd.open() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    // A run on another machine sharing the folder has a process id of its own: its lock says
    // that it lives.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
    ::unlink(path.c_str());
  }
}

}  // namespace swd
