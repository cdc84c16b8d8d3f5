#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <set>

#include "files/atomic_files.hpp"
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

}  // namespace
}  // namespace swd
