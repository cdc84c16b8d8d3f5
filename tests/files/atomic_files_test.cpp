#include <gtest/gtest.h>

#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <fstream>
#include <set>

#include "files/atomic_files.hpp"
#include "files/file_writer.hpp"
#include "files/temp_files.hpp"
#include "support/child_process.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::ReadFile;
using test::TempDir;

std::set<std::string> Names(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

TEST(AtomicFiles, AFailedWriteLeavesTheOldFilesAndSaysWhy) {
  TempDir dir;
  const auto map = dir.path() / "m.swd";
  const auto bmp = dir.path() / "m.bmp";
  ASSERT_EQ(WriteFilesAtomically({{map, {1, 2, 3}}, {bmp, {4}}}).German(), "");
  EXPECT_EQ(ReadFile(map), (std::vector<std::uint8_t>{1, 2, 3}));

  EXPECT_EQ(WriteFilesAtomically({{dir.path() / "nope" / "m.swd", {1}}}).German(),
            "Die Datei m.swd konnte im Ordner " + (dir.path() / "nope").string() +
                " nicht gespeichert werden: der Ordner existiert nicht.");

  // A bitmap path that is a folder makes the second file fail: the first stays as it was.
  std::filesystem::create_directory(dir.path() / "b.bmp");
  const std::string second =
      WriteFilesAtomically({{map, {9, 9}}, {dir.path() / "b.bmp", {2}}}).German();
  EXPECT_NE(second.find("an dieser Stelle liegt ein Ordner"), std::string::npos) << second;
  EXPECT_EQ(ReadFile(map), (std::vector<std::uint8_t>{1, 2, 3}));

  // A folder the user may not write: said so, and no temporary file is left anywhere.
  const auto closed = dir.path() / "closed";
  std::filesystem::create_directory(closed);
  std::filesystem::permissions(
      closed, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                  std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
  const test::ChildResult refused = test::RunInChild([&](std::ostream& out) {
    out << WriteFilesAtomically({{closed / "m.swd", {1}}, {closed / "m.bmp", {2}}}).German();
    return 0;
  });
  EXPECT_EQ(refused.output, "Die Datei m.swd konnte im Ordner " + closed.string() +
                                " nicht gespeichert werden: keine Schreibberechtigung.");
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"m.swd", "m.bmp", "b.bmp", "closed"}));
  EXPECT_TRUE(std::filesystem::is_empty(closed));
}

TEST(AtomicFiles, UsersFilesBesideTheTargetKeepTheirBytesAndNewFilesTheUsualMode) {
  TempDir dir;
  const auto map = dir.path() / "m.swd";
  // Names a careless writer might take for its temporary files.
  for (const char* name : {"m.swd.tmp", ".m.swd", "m.swd~", ".m.swd.tmp"}) {
    std::ofstream(dir.path() / name) << "mine";
  }
  std::ofstream(dir.path() / "plain") << "x";
  ASSERT_EQ(WriteFilesAtomically({{map, {7}}}).German(), "");
  ASSERT_EQ(WriteFilesAtomically({{map, {8}}}).German(), "");
  EXPECT_EQ(ReadFile(map), (std::vector<std::uint8_t>{8}));
  for (const char* name : {"m.swd.tmp", ".m.swd", "m.swd~", ".m.swd.tmp"}) {
    EXPECT_EQ(ReadFile(dir.path() / name), (std::vector<std::uint8_t>{'m', 'i', 'n', 'e'}));
  }
  EXPECT_EQ(Names(dir.path()).size(), 6u);
  // Readable by others as any file the user makes, not only by its owner.
  struct stat written {
  }, plain{};
  ASSERT_EQ(stat(map.c_str(), &written), 0);
  ASSERT_EQ(stat((dir.path() / "plain").c_str(), &plain), 0);
  EXPECT_EQ(written.st_mode & 0777, plain.st_mode & 0777);
}

TEST(AtomicFiles, LinksAreFollowedAndOnlyRegularFilesAreReplaced) {
  TempDir dir;
  const auto at = [&](const char* name) { return dir.path() / name; };
  std::ofstream(at("real.swd")) << "old";
  std::filesystem::create_symlink("real.swd", at("link.swd"));
  std::filesystem::create_symlink(at("elsewhere.swd"), at("dangling.swd"));
  ASSERT_EQ(WriteFilesAtomically({{at("link.swd"), {1}}, {at("dangling.swd"), {2}}}).German(), "");
  EXPECT_TRUE(std::filesystem::is_symlink(at("link.swd")));
  EXPECT_EQ(ReadFile(at("real.swd")), (std::vector<std::uint8_t>{1}));
  EXPECT_TRUE(std::filesystem::is_symlink(at("dangling.swd")));
  EXPECT_EQ(ReadFile(at("elsewhere.swd")), (std::vector<std::uint8_t>{2}));

  // Nothing but a regular file is replaced, and the set is refused whole, before anything
  // is written.
  ASSERT_EQ(mkfifo(at("fifo").c_str(), 0666), 0);
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  at("sock").string().copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  close(sock);
  std::filesystem::create_symlink("fifo", at("to-fifo"));
  const std::pair<const char*, MessageKey> refused[] = {
      {"fifo", MessageKey::SaveIsFifo},
      {"sock", MessageKey::SaveIsSocket},
      {"to-fifo", MessageKey::SaveIsFifo},
      // One file under two names: the second would replace the first.
      {"real.swd", MessageKey::SameFileTwice},
  };
  for (const auto& [name, key] : refused) {
    const Message problem = WriteFilesAtomically({{at("link.swd"), {7}}, {at(name), {8}}});
    EXPECT_EQ(problem.key(), key) << name << ": " << problem.German();
  }
  EXPECT_EQ(ReadFile(at("real.swd")), (std::vector<std::uint8_t>{1}));
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"real.swd", "link.swd", "dangling.swd",
                                                      "elsewhere.swd", "fifo", "sock", "to-fifo"}));
  struct stat st {};
  EXPECT_TRUE(lstat(at("fifo").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
}

TEST(AtomicFiles, AnInterruptedSaveReplacesNothingAndLeavesNoTemporaryFile) {
  TempDir dir;
  const auto map = dir.path() / "m.swd";
  const auto bmp = dir.path() / "m.bmp";
  ASSERT_EQ(WriteFilesAtomically({{map, {1}}, {bmp, {2}}}).German(), "");
  int asked = 0;
  const Message stopped = WriteFilesAtomically({{map, {3}}, {bmp, {4}}}, [&] {
    ++asked;
    return true;
  });
  EXPECT_EQ(stopped.key(), MessageKey::SaveInterrupted);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(ReadFile(map), (std::vector<std::uint8_t>{1}));
  EXPECT_EQ(ReadFile(bmp), (std::vector<std::uint8_t>{2}));
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"m.swd", "m.bmp"}));
}

// The temporary files of a run that was killed go with the next save in the folder; those of
// a run that lives, and the user's files, stay.
TEST(AtomicFiles, TheNextSaveRemovesWhatAKilledRunLeftAndNothingElse) {
  TempDir dir;
  const auto map = dir.path() / "m.swd";
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t run = fork();
  if (run == 0) {
    // Holds its temporary files until it is killed, as a run stopped while saving would.
    WriteFilesAtomically({{map, {1, 2}}, {dir.path() / "m.bmp", {3}}}, [&] {
      if (write(ready[1], "r", 1) != 1) _exit(1);
      for (;;)
        pause();
      return false;
    });
    _exit(0);
  }
  ASSERT_GT(run, 0);
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  std::set<std::string> temps;
  for (const auto& name : Names(dir.path())) {
    EXPECT_EQ(TempFileOwner(name), std::optional<pid_t>(run)) << name;
    temps.insert(name);
  }
  ASSERT_EQ(temps.size(), 2u);

  // A file of ours whose process is gone but whose lock is held, as by a run on another
  // machine that shares the folder; and the user's files that look alike.
  const std::string other = ".x.swd.swdgen-" + std::to_string(run) + "-abcdefghijkl.tmp";
  std::ofstream(dir.path() / other) << "live elsewhere";
  const int held = open((dir.path() / other).c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  const std::vector<std::string> users = {".x.swd.swdgen-1-abc.tmp",
                                          "x.swdgen-999999-abcdefghijkl.tmp",
                                          ".x.swdgen-abc-abcdefghijkl.tmp", ".x.swd.tmp"};
  for (const auto& name : users)
    std::ofstream(dir.path() / name) << "mine";

  // While the run lives, its files stay. (It holds the folder's lock, as a run does for the
  // moment of its renames, so the cleaning is asked for alone here.)
  RemoveLeftoverTempFiles(dir.path());
  for (const auto& name : temps)
    EXPECT_TRUE(std::filesystem::exists(dir.path() / name)) << name;

  ASSERT_EQ(kill(run, SIGKILL), 0);
  int raw = 0;
  ASSERT_EQ(waitpid(run, &raw, 0), run);
  ASSERT_EQ(WriteFilesAtomically({{dir.path() / "n.swd", {6}}}).German(), "");
  std::set<std::string> expected = {"n.swd", other};
  expected.insert(users.begin(), users.end());
  EXPECT_EQ(Names(dir.path()), expected);
  close(held);
}

// A trace file is written in place: a full disk (here the limit on a file's size) leaves no
// empty or half file, and a list appended to keeps what it had.
TEST(WholeFile, AWriteThatFailsLeavesNothingOfItself) {
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  const auto step = dir.path() / "01-Step.bin";
  const auto list = dir.path() / "steps.txt";
  ASSERT_TRUE(WriteWholeFile(list, {'a', '\n'}, WriteMode::Replace).empty());
  std::filesystem::permissions(list, std::filesystem::perms::all);
  const test::ChildResult full = test::RunInChild([&](std::ostream& out) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 99;
    const std::vector<std::uint8_t> big(10000, 7);
    out << WriteWholeFile(step, big, WriteMode::Replace).German() << '|'
        << WriteWholeFile(list, big, WriteMode::Append).German();
    return 0;
  });
  EXPECT_EQ(full.status, 0);
  EXPECT_NE(full.output.find("01-Step.bin"), std::string::npos) << full.output;
  EXPECT_NE(full.output.find("|Die Datei steps.txt"), std::string::npos) << full.output;
  EXPECT_FALSE(std::filesystem::exists(step));
  EXPECT_EQ(ReadFile(list), (std::vector<std::uint8_t>{'a', '\n'}));
}

}  // namespace
}  // namespace swd
