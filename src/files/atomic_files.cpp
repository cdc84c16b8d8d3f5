#include "files/atomic_files.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "files/descriptor.hpp"
#include "files/file_writer.hpp"
#include "files/output_path.hpp"
#include "files/temp_files.hpp"

namespace swd {

namespace {

// Writes the bytes into the temporary file and flushes them to the disk; returns 0 or the
// errno of the failure. The file stays open, and so locked, until the save is over.
int FillTemp(const TempFile& temp, const std::vector<std::uint8_t>& bytes) {
  if (const int err = WriteAll(temp.fd.get(), bytes); err != 0) return err;
  return ::fsync(temp.fd.get()) == 0 ? 0 : errno;
}

// The folders of the targets, each once, the first file's first.
std::vector<std::filesystem::path> FoldersOf(const std::vector<std::filesystem::path>& targets) {
  std::vector<std::filesystem::path> folders;
  for (const auto& target : targets) {
    const std::filesystem::path folder = FolderOf(target);
    bool known = false;
    for (const auto& f : folders)
      known = known || SameOutput(f, folder);
    if (!known) folders.push_back(folder);
  }
  return folders;
}

}  // namespace

Message WriteFilesAtomically(const std::vector<FileContent>& files,
                             const std::function<bool()>& interrupted) {
  if (files.empty()) return {};
  std::vector<std::filesystem::path> targets;
  for (const auto& file : files)
    targets.push_back(FollowLinks(file.path));

  // What a rename would replace wrongly, or not at all, is refused before anything is
  // written, so that the files stay a matching set.
  for (std::size_t i = 0; i < targets.size(); ++i) {
    if (Message problem = ReplaceProblem(targets[i]); !problem.empty()) return problem;
    for (std::size_t j = 0; j < i; ++j) {
      if (SameOutput(targets[j], targets[i])) {
        return {
            MessageKey::SameFileTwice,
            {Message::Verbatim(files[j].path.string()), Message::Verbatim(files[i].path.string())}};
      }
    }
  }
  const std::vector<std::filesystem::path> folders = FoldersOf(targets);
  for (const auto& folder : folders)
    RemoveLeftoverTempFiles(folder);

  // The first folder's descriptor carries the lock. A folder that may be written but not
  // read cannot be opened; its files are still written, unguarded and unflushed.
  Descriptor lock(::open(folders.front().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!lock.open() && errno != EACCES) return SaveProblem(targets.front(), errno);

  std::vector<TempFile> temps;
  std::size_t renamed = 0;
  auto remove_temps = [&] {
    for (std::size_t i = renamed; i < temps.size(); ++i)
      ::unlink(temps[i].path.c_str());
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    int err = 0;
    TempFile temp = CreateTempFile(targets[i], err);
    if (err == 0) {
      temps.push_back(std::move(temp));
      err = FillTemp(temps.back(), files[i].bytes);
    }
    if (err != 0) {
      remove_temps();
      return SaveProblem(targets[i], err);
    }
  }

  // Runs that save the same files at once take turns from here on, so that the files left
  // behind come from one run. A lock on the folder leaves no lock file behind; on a file
  // system without such locks the renames go ahead unguarded. Closing the folder unlocks.
  if (lock.open()) {
    while (::flock(lock.get(), LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  // The last moment at which the save can stop with every file as it was.
  if (interrupted && interrupted()) {
    remove_temps();
    return MessageKey::SaveInterrupted;
  }
  for (; renamed < files.size(); ++renamed) {
    if (::rename(temps[renamed].path.c_str(), targets[renamed].c_str()) != 0) {
      const int err = errno;
      remove_temps();
      return SaveProblem(targets[renamed], err);
    }
  }
  // Some file systems cannot flush a folder (EINVAL); the renames are in place all the same.
  for (const auto& folder : folders) {
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.open() && ::fsync(dir.get()) != 0 && errno != EINVAL) {
      return SaveProblem(targets.front(), errno);
    }
  }
  return {};
}

}  // namespace swd
