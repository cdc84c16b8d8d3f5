// The command line fed what scripts and map makers' folders hold: every bad input as one row
// of what it is, the command, the exit status and the key of the message that must say why.
// A refused command writes nothing.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "cli/commands.hpp"
#include "cli/language.hpp"
#include "mapfile/swd_map.hpp"
#include "render/flat_map.hpp"
#include "shape/bmp_maker.hpp"
#include "support/child_process.hpp"
#include "support/in_process.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::ReadFile;
using test::RunSwdgen;
using test::TempDir;

// The pattern of `key` in `language`.
std::string_view PatternOf(MessageKey key, Language language) {
  return language == Language::German ? FindMessage(key)->german : EnglishPattern(key);
}

// Whether `text` holds the message of `key` in `language`: the literal parts of its pattern,
// between the arguments, in their order.
bool SaysKey(const std::string& text, MessageKey key, Language language) {
  const std::string_view pattern = PatternOf(key, language);
  if (pattern.empty()) return false;
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      parts.emplace_back();
      ++i;
    } else {
      parts.back() += pattern[i];
    }
  }
  std::size_t at = 0;
  for (const std::string& part : parts) {
    at = text.find(part, at);
    if (at == std::string::npos) return false;
    at += part.size();
  }
  return true;
}

std::set<std::string> Tree(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    names.insert(entry.path().lexically_relative(folder).string());
  return names;
}

// A map file whose header is changed after it was made.
void WriteWithHeader(const std::filesystem::path& file, SwdMap map,
                     void (*change)(SwdHeader& header)) {
  change(map.header);
  test::WriteBytes(file, EncodeSwdMap(map));
}

void MakeSocket(const std::filesystem::path& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.string().copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  close(fd);
}

struct BadInput {
  const char* input;
  std::vector<std::string> args;  // "@" at the start of an argument stands for the folder
  int status;
  MessageKey key;
  bool as_nobody = false;  // run as a user without root's rights to files
};

TEST(BadInput, EachIsRefusedWithItsStatusAndMessageAndWritesNothing) {
  TempDir dir;
  const auto at = [&](const std::string& name) { return (dir.path() / name).string(); };
  // Without start objects: the analysis then takes its starts from the header.
  ASSERT_EQ(RunSwdgen({"generate", "--seed", "1", "--width", "96", "--height", "64", "--quiet",
                       "--no-start-objects", "--out", at("a.swd")})
                .status,
            kExitOk);
  const auto map = ReadFile(at("a.swd"));
  const SwdMap sound = *ReadSwdMap(map).map;
  test::WriteBytes(at("short.swd"), {map.begin(), map.begin() + 30000});
  auto damaged = map;
  damaged[3] = 'X';
  test::WriteBytes(at("damaged.swd"), damaged);
  std::ofstream(at("huge.swd")).close();
  std::filesystem::resize_file(at("huge.swd"), 2ull << 30);  // sparse: nothing on the disk
  WriteWithHeader(at("hq-outside.swd"), sound, [](SwdHeader& h) { h.hq_x[1] = h.hq_y[1] = 100; });
  WriteWithHeader(at("hq-missing.swd"), sound, [](SwdHeader& h) { h.hq_x[1].reset(); });
  test::WriteBytes(at("size-1x1.swd"), EncodeSwdMap(test::FlatMeadow(1, 1)));
  test::WriteBytes(at("size-3x5.swd"), EncodeSwdMap(test::FlatMeadow(3, 5)));
  test::WriteBytes(at("size-1x65535.swd"), EncodeSwdMap(test::FlatMeadow(1, 65535)));
  test::WriteBytes(at("size-272x32.swd"), EncodeSwdMap(test::FlatMeadow(272, 32)));
  ASSERT_EQ(mkfifo(at("fifo").c_str(), 0666), 0);
  MakeSocket(at("sock"));
  std::ofstream(at("plain")) << "a file";
  std::filesystem::create_directory(at("closed"));
  std::filesystem::permissions(at("closed"), std::filesystem::perms::owner_all);
  std::filesystem::copy_file(at("a.swd"), at("locked.swd"));
  std::filesystem::permissions(at("locked.swd"), std::filesystem::perms::none);
  // The others may enter and read the folder, for the rows run as another user.
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  // A device of our own, never the machine's: should a check fail, no device is replaced.
  const bool device = mknod(at("dev").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;

  const std::vector<BadInput> rows = {
      // Item 1: an output of a run never replaces another of the same run.
      {"picture over the map",
       {"generate", "--out", "@m", "--png", "@m.swd"},
       2,
       MessageKey::SameFileTwice},
      {"picture over the bitmap",
       {"generate", "--out", "@m", "--png", "@m.bmp"},
       2,
       MessageKey::SameFileTwice},
      {"best-of picture over the map",
       {"generate", "--best-of", "2", "--out", "@m", "--png", "@m.swd"},
       2,
       MessageKey::SameFileTwice},
      {"picture over the step list",
       {"generate", "--dump-steps", "@", "--png", "@steps.txt"},
       2,
       MessageKey::SameFileTwice},
      {"trace folder where the map goes",
       {"generate", "--out", "@t", "--dump-steps", "@t.swd"},
       2,
       MessageKey::SameFileTwice},
      // Item 2: only regular files are replaced.
      {"picture to a FIFO", {"render", "@a.swd", "-o", "@fifo"}, 2, MessageKey::SaveIsFifo},
      {"picture to a socket",
       {"generate", "--out", "@m", "--png", "@sock"},
       2,
       MessageKey::SaveIsSocket},
      {"map to a FIFO's name", {"generate", "--out", "@fifo"}, 2, MessageKey::SaveIsFifo},
      // Item 8: the messages say what is wrong, with the same status from every command.
      {"picture into a missing folder",
       {"render", "@a.swd", "-o", "@none/x.png"},
       2,
       MessageKey::FolderMissing},
      {"map into a missing folder", {"generate", "--out", "@none/m"}, 2, MessageKey::FolderMissing},
      {"map into a missing folder, named as one",
       {"generate", "--out", "@none/"},
       2,
       MessageKey::FolderMissing},
      {"picture into a missing folder",
       {"generate", "--png", "@none/"},
       2,
       MessageKey::FolderMissing},
      {"trace folder that is a file",
       {"generate", "--dump-steps", "@plain"},
       2,
       MessageKey::FolderIsFile},
      {"unknown command", {"frobnicate"}, 2, MessageKey::UnknownCommand},
      // What the parser refuses, and the options' own checks.
      {"no command", {}, 2, MessageKey::CliCommandRequired},
      {"unknown option", {"generate", "--frob"}, 2, MessageKey::CliNotExpected},
      {"option without its value",
       {"analyze", "@a.swd", "--radius"},
       2,
       MessageKey::CliValueMissing},
      {"file missing", {"info"}, 2, MessageKey::CliRequired},
      {"width off its steps", {"generate", "--width", "33"}, 2, MessageKey::CliInvalid},
      {"shape unknown", {"generate", "--shape", "kreis"}, 2, MessageKey::CliInvalid},
      {"batch option alone", {"generate", "--jobs", "2"}, 2, MessageKey::CliOnlyWithCount},
      {"best of a batch",
       {"generate", "--best-of", "2", "--count", "2"},
       2,
       MessageKey::CliCannotCombine},
      {"shares not adding up",
       {"generate", "--resources", "50,50,50,50"},
       2,
       MessageKey::CliSharesSum},
      {"map code too short", {"generate", "--code", "SWD1-XYZ"}, 2, MessageKey::CodeTooShort},
      {"overlay unknown", {"render", "@a.swd", "--overlay", "roads"}, 2, MessageKey::CliInvalid},
      {"empty name to info", {"info", ""}, 2, MessageKey::NoFileGiven},
      {"empty name to analyze", {"analyze", ""}, 2, MessageKey::NoFileGiven},
      {"empty name to render", {"render", ""}, 2, MessageKey::NoFileGiven},
      {"picture too large", {"render", "@a.swd", "--scale", "64"}, 2, MessageKey::RenderTooLarge},
      // The map files the commands read.
      {"missing map", {"info", "@missing.swd"}, 2, MessageKey::MapFileMissing},
      {"folder as map", {"analyze", "@"}, 2, MessageKey::MapFileNotAFile},
      {"device as map", {"info", "/dev/null"}, 2, MessageKey::MapFileNotAFile},
      {"FIFO as map", {"render", "@fifo"}, 2, MessageKey::MapFileNotAFile},
      {"2 GB file as map", {"info", "@huge.swd"}, 2, MessageKey::MapFileTooLarge},
      {"truncated map", {"info", "@short.swd"}, 2, MessageKey::MapFileDamaged},
      {"damaged map", {"analyze", "@damaged.swd"}, 2, MessageKey::MapFileDamaged},
      {"unreadable map", {"info", "@locked.swd"}, 2, MessageKey::MapFileNoPermission, true},
      // Item 7: sound files that hold what the game cannot load.
      {"headquarters outside", {"info", "@hq-outside.swd"}, 4, MessageKey::MapHeadquartersOutside},
      {"headquarters missing", {"info", "@hq-missing.swd"}, 4, MessageKey::MapHeadquartersMissing},
      {"1 x 1 map", {"info", "@size-1x1.swd"}, 4, MessageKey::MapSizeUnplayable},
      {"3 x 5 map", {"info", "@size-3x5.swd"}, 4, MessageKey::MapSizeUnplayable},
      {"1 x 65535 map", {"info", "@size-1x65535.swd"}, 4, MessageKey::MapSizeUnplayable},
      {"272 x 32 map", {"info", "@size-272x32.swd"}, 4, MessageKey::MapSizeUnplayable},
      {"start the analysis drops", {"analyze", "@hq-outside.swd"}, 0, MessageKey::MapStartDropped},
      // Read-only folders: found when saving.
      {"picture into a closed folder",
       {"render", "@a.swd", "-o", "@closed/x.png"},
       1,
       MessageKey::SaveNoPermission,
       true},
      {"map into a closed folder",
       {"generate", "--seed", "1", "--width", "32", "--height", "32", "--out", "@closed/m"},
       1,
       MessageKey::SaveNoPermission,
       true},
  };
  std::vector<BadInput> all = rows;
  if (device) {
    all.push_back(
        {"picture to a device", {"render", "@a.swd", "-o", "@dev"}, 2, MessageKey::SaveIsDevice});
    all.push_back(
        {"map to a device's name", {"generate", "--out", "@dev"}, 2, MessageKey::SaveIsDevice});
  }
  // Each row in both languages: a key without English, or a text that stays in one
  // language whatever --lang says, fails.
  for (const Language language : {Language::German, Language::English}) {
    const Language other = language == Language::German ? Language::English : Language::German;
    for (BadInput row : all) {
      for (auto& arg : row.args) {
        if (arg.starts_with('@')) arg = (dir.path() / arg.substr(1)).string();
      }
      if (!row.args.empty() && row.args.front() == "generate") row.args.push_back("--quiet");
      row.args.insert(row.args.begin(), {"--lang", language == Language::German ? "de" : "en"});
      const auto before = Tree(dir.path());
      test::CommandRun run;
      if (row.as_nobody) {
        const test::ChildResult child = test::RunInChild([&](std::ostream& out) {
          const test::CommandRun r = RunSwdgen(row.args);
          out << r.err;
          return r.status;
        });
        run = {child.status, {}, child.output};
      } else {
        run = RunSwdgen(row.args);
      }
      EXPECT_EQ(run.status, row.status) << row.input << ": " << run.err;
      EXPECT_TRUE(SaysKey(run.err, row.key, language))
          << row.input << ": " << FindMessage(row.key)->name << " in " << run.err;
      if (PatternOf(row.key, other) != PatternOf(row.key, language)) {
        EXPECT_FALSE(SaysKey(run.err, row.key, other)) << row.input << ": " << run.err;
      }
      if (row.status != 0) {
        EXPECT_EQ(Tree(dir.path()), before) << row.input;
      }
    }
  }
  struct stat st {};
  EXPECT_TRUE(lstat(at("fifo").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
  EXPECT_TRUE(lstat(at("sock").c_str(), &st) == 0 && S_ISSOCK(st.st_mode));
  if (device) {
    EXPECT_TRUE(lstat(at("dev").c_str(), &st) == 0 && S_ISCHR(st.st_mode));
  }
}

}  // namespace
}  // namespace swd::cli
