#include "files/atomic_files.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

#include "files/file_writer.hpp"

namespace swd {

namespace {

// An open descriptor, closed with the object.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool open() const { return fd_ >= 0; }
  // Closes now; returns 0 or the errno of the failure, since some file systems report the
  // last write errors only here.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Hidden and with a random part, so that no two runs pick the same name; O_EXCL below
// keeps even a user's file that happens to have it untouched.
std::filesystem::path TempName(const std::filesystem::path& target, std::random_device& random) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string name = "." + target.filename().string() + ".";
  for (int i = 0; i < 12; ++i)
    name += kLetters[pick(random)];
  return target.parent_path() / name;
}

// Writes the bytes to a new temporary file beside the target and flushes them to the disk.
// `temp` names the file created, empty if none was; returns 0 or the errno of the failure.
int WriteTemp(const FileContent& file, std::filesystem::path& temp) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = TempName(file.path, random);
    Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.open()) {
      const int err = errno;
      temp.clear();
      if (err == EEXIST) continue;
      return err;
    }
    int err = WriteAll(fd.get(), file.bytes);
    if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
    const int close_err = fd.Close();
    return err != 0 ? err : close_err;
  }
  return EEXIST;
}

}  // namespace

Message WriteFilesAtomically(const std::vector<FileContent>& files) {
  if (files.empty()) return {};
  const FileContent& first = files.front();
  // The folder's descriptor carries the lock and flushes the renames. A folder that may be
  // written but not read cannot be opened; its files are still written, without either.
  Descriptor dir(::open(FolderOf(first.path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.open() && errno != EACCES) return SaveProblem(first.path, errno);

  // A rename within one folder only fails in practice where a folder stands in the way:
  // refuse that before anything is replaced, so that the files stay a matching pair.
  for (const auto& file : files) {
    std::error_code ec;
    if (std::filesystem::is_directory(file.path, ec)) return SaveProblem(file.path, EISDIR);
  }

  std::vector<std::filesystem::path> temps;
  std::size_t renamed = 0;
  auto fail = [&](const std::filesystem::path& file, int err) {
    for (std::size_t i = renamed; i < temps.size(); ++i)
      ::unlink(temps[i].c_str());
    return SaveProblem(file, err);
  };
  for (const auto& file : files) {
    std::filesystem::path temp;
    const int err = WriteTemp(file, temp);
    if (!temp.empty()) temps.push_back(temp);
    if (err != 0) return fail(file.path, err);
  }

  // Runs that save the same files at once take turns from here on, so that the files left
  // behind come from one run. A lock on the folder leaves no lock file behind; on a file
  // system without such locks the renames go ahead unguarded. Closing the folder unlocks.
  if (dir.open()) {
    while (::flock(dir.get(), LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  for (; renamed < files.size(); ++renamed) {
    if (::rename(temps[renamed].c_str(), files[renamed].path.c_str()) != 0) {
      return fail(files[renamed].path, errno);
    }
  }
  // Some file systems cannot flush a folder (EINVAL); the renames are in place all the same.
  if (dir.open() && ::fsync(dir.get()) != 0 && errno != EINVAL) {
    return SaveProblem(first.path, errno);
  }
  return {};
}

}  // namespace swd
