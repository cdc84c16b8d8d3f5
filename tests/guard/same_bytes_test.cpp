// The guard: every case below was generated once and its map file, bitmap and the draw
// count after every row of the run were recorded. Any change to the generator that alters
// one of them fails here. Record anew only for a change that is meant to alter bytes:
//   SWDGEN_GUARD_RECORD=1 ./swdgen_tests --gtest_filter='SameBytes.*'
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/command_line.hpp"
#include "cli/commands.hpp"
#include "shape/bmp_maker.hpp"
#include "support/recording_host.hpp"

namespace swd::cli {
namespace {

using test::ReadFile;
using test::TempDir;

const std::filesystem::path kExpected =
    std::filesystem::path(SWDGEN_TEST_DATA) / "guard" / "same_bytes.txt";

// Every shape, landscape type, option and size class; "{picture}" stands for a picture of
// the map's size laid out below.
const char* const kCases[] = {
    // The plain island in every type and size class.
    "--seed 1 --width 32 --height 32",
    "--seed 2 --width 64 --height 64 --type oedland",
    "--seed 3 --width 128 --height 128 --type winterland",
    "--seed 4 --width 256 --height 256",
    "--seed 5 --width 256 --height 256 --type oedland --players 7",
    "--seed 6 --width 256 --height 256 --type winterland --players 7",
    "--seed 7 --width 48 --height 80 --players 2",
    "--seed 8 --width 160 --height 96 --type oedland --players 4",
    "--seed 9 --width 96 --height 160 --type winterland --players 5",
    "--seed 10 --width 256 --height 32 --players 1",
    "--seed 11 --width 32 --height 256 --type winterland --players 6",
    "--seed 12 --width 64 --height 64 --no-island",
    "--seed 13 --width 64 --height 64 --type winterland --no-island --players 7",
    // Every base shape in every type.
    "--seed 20 --width 64 --height 64 --shape insel",
    "--seed 21 --width 64 --height 64 --shape insel-sym --players 6",
    "--seed 22 --width 96 --height 64 --shape insel-sym --players 7 --type oedland",
    "--seed 23 --width 128 --height 128 --shape insel-sym --players 4 --type winterland",
    "--seed 24 --width 64 --height 64 --shape spirale",
    "--seed 25 --width 128 --height 128 --shape spirale --type oedland",
    "--seed 26 --width 96 --height 64 --shape spirale --type winterland",
    "--seed 27 --width 160 --height 128 --shape spirale",
    "--seed 28 --width 64 --height 64 --shape ring --players 5",
    "--seed 29 --width 128 --height 96 --shape ring --type oedland",
    "--seed 30 --width 128 --height 128 --shape ring --type winterland",
    "--seed 31 --width 64 --height 64 --shape spirale-ring",
    "--seed 32 --width 128 --height 128 --shape spirale-ring --type oedland",
    "--seed 33 --width 80 --height 112 --shape spirale-ring --type winterland",
    "--seed 34 --width 64 --height 64 --shape spezial --picture {picture}",
    "--seed 35 --width 96 --height 64 --shape spezial --picture {picture} --type oedland",
    "--seed 36 --width 64 --height 96 --shape spezial --picture {picture} --type winterland",
    "--seed 37 --width 64 --height 64 --shape ring --no-island",
    "--seed 38 --width 64 --height 64 --shape insel-sym --no-island --players 3",
    // "Erweiterte Einstellungen" with every page as it first shows.
    "--seed 39 --width 64 --height 64 --extended",
    // Coast and area variant.
    "--seed 40 --width 64 --height 64 --coast 0",
    "--seed 41 --width 64 --height 64 --coast 10 --type oedland",
    "--seed 42 --width 128 --height 128 --coast 10 --shape ring",
    "--seed 43 --width 96 --height 96 --coast 0 --shape insel-sym --players 2",
    "--seed 44 --width 64 --height 64 --area-variant",
    "--seed 45 --width 128 --height 128 --area-variant --type winterland",
    "--seed 46 --width 256 --height 256 --area-variant --type oedland --players 7",
    // Region sliders at their ends.
    "--seed 50 --width 64 --height 64 --amount 1=10 --amount 2=10 --amount 3=10 --amount 4=10 "
    "--amount 6=10 --amount 7=10",
    "--seed 51 --width 64 --height 64 --amount 1=0 --amount 2=0 --amount 3=0 --amount 4=0 "
    "--amount 6=0 --amount 7=0 --type oedland",
    "--seed 52 --width 128 --height 128 --size 1=10 --size 2=10 --size 3=10 --size 4=10 "
    "--size 6=10 --size 7=10 --type winterland",
    "--seed 53 --width 128 --height 128 --size 1=0 --size 2=0 --size 7=0 --area-variant",
    "--seed 54 --width 96 --height 96 --amount 7=10 --size 7=10 --area-variant",
    "--seed 55 --width 64 --height 64 --amount 7=10 --size 7=10 --shape insel-sym --players 4",
    // Decorations at their ends.
    "--seed 60 --width 64 --height 64 --decoration 0=10 --decoration 1=10 --decoration 2=10 "
    "--decoration 3=10 --decoration 4=10 --decoration 5=10 --decoration 6=10 --decoration 7=10 "
    "--decoration 9=10",
    "--seed 61 --width 64 --height 64 --type oedland --decoration 0=0 --decoration 1=0 "
    "--decoration 3=0 --decoration 4=0 --decoration 5=0 --decoration 6=0 --decoration 7=0 "
    "--decoration 9=0",
    "--seed 62 --width 64 --height 64 --type winterland --decoration 0=10 --decoration 4=0",
    "--seed 63 --width 96 --height 64 --type oedland --shape insel-sym --players 2 "
    "--decoration 0=10",
    // Resources, granite, tree groups, animals.
    "--seed 70 --width 128 --height 128 --resources 100,0,0,0",
    "--seed 71 --width 128 --height 128 --resources 0,0,0,100 --type oedland",
    "--seed 72 --width 128 --height 128 --resources 25,25,25,25 --type winterland",
    "--seed 73 --width 64 --height 64 --granite 10,10,15,10",
    "--seed 74 --width 64 --height 64 --granite 0,0,0,0",
    "--seed 75 --width 96 --height 96 --granite 10,10,15,10 --shape insel-sym --players 2",
    "--seed 76 --width 64 --height 64 --tree-groups 15",
    "--seed 77 --width 64 --height 64 --tree-groups 0 --type oedland",
    "--seed 78 --width 64 --height 64 --tree-groups 15 --shape insel-sym --players 2",
    "--seed 79 --width 64 --height 64 --animals 20,20,20,20,20,20",
    "--seed 80 --width 64 --height 64 --animals 0,0,0,0,0,0 --type winterland",
    "--seed 81 --width 96 --height 96 --animals 20,20,20,20,20,20 --shape insel-sym --players 2",
    // Every player count, and seeds at the ends of their range.
    "--seed 90 --width 128 --height 128 --players 1",
    "--seed 91 --width 128 --height 128 --players 7 --type oedland",
    "--seed 0 --width 64 --height 64",
    "--seed 4294967295 --width 64 --height 64 --type winterland",
    // Everything at once.
    "--seed 99 --width 112 --height 144 --shape spirale-ring --coast 9 --area-variant "
    "--amount 2=8 --size 7=9 --decoration 0=2 --resources 40,20,30,10 --granite 7,3,9,4 "
    "--tree-groups 11 --animals 3,5,7,9,11,13 --players 6 --type oedland",
};

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;)
    words.push_back(w);
  return words;
}

// A picture with every legend index: sea round the edge, a lake, mountains with each
// resource, lava and desert.
std::filesystem::path WritePicture(const std::filesystem::path& folder, int w, int h) {
  const auto path = folder / ("picture-" + std::to_string(w) + "x" + std::to_string(h) + ".bmp");
  test::WriteBytes(path, test::MakeBmp({.width = w, .height = h}, [w, h](int x, int y) {
                     if (x < 4 || y < 4 || x >= w - 4 || y >= h - 4) return 1;
                     if (x > w / 2 - 5 && x < w / 2 + 3 && y > 8 && y < 16) return 17;
                     if (y > h / 2 && y < h / 2 + 6) return 7 + (x / 8) % 9;  // 7..15
                     if (x > 8 && x < 16 && y > h - 20) return 6;
                     if (x > w - 16 && y > 8 && y < 14) return 10;
                     return 0;
                   }));
  return path;
}

std::string Sha256(const std::vector<std::uint8_t>& bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr);
  static const char kHex[] = "0123456789abcdef";
  std::string hex;
  for (unsigned i = 0; i < length; ++i) {
    hex += kHex[digest[i] >> 4];
    hex += kHex[digest[i] & 15];
  }
  return hex;
}

// Row numbers and the draws after each, from the step trace: "1:0 2:5310 ...".
std::string DrawsOf(const std::filesystem::path& steps) {
  std::ifstream in(steps);
  std::string result;
  for (std::string line; std::getline(in, line);) {
    const auto words = Words(line);
    if (words.size() < 3 || words[2].rfind("draws=", 0) != 0) continue;
    if (!result.empty()) result += ' ';
    result += std::to_string(std::stoi(words[0])) + ":" + words[2].substr(6);
  }
  return result;
}

// The option's value in a case: "64" for "--width" in "--seed 1 --width 64".
std::string ValueIn(const std::string& text, const std::string& option) {
  const auto words = Words(text);
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i] == option) return words[i + 1];
  }
  return "128";
}

// What one case gives: "map <sha> bmp <sha> draws <row:draws ...>".
std::string Outcome(const std::string& text) {
  TempDir dir;
  const auto picture = WritePicture(dir.path(), std::stoi(ValueIn(text, "--width")),
                                    std::stoi(ValueIn(text, "--height")));
  std::vector<std::string> args = {"swdgen", "generate"};
  for (std::string word : Words(text))
    args.push_back(word == "{picture}" ? picture.string() : word);
  // The marks the recorded runs were made without, which are on by default now: they add
  // to a map's bytes and leave the rest of it as it is. The author field held the program's
  // name, where a map now carries its code.
  for (const char* mark : {"--no-harbours", "--no-start-objects", "--author", "swdgen"})
    args.emplace_back(mark);
  for (const std::string& word :
       {std::string("--quiet"), std::string("--out"), (dir.path() / "guard.swd").string(),
        std::string("--dump-steps"), (dir.path() / "steps").string()})
    args.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& a : args)
    argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
  EXPECT_EQ(status, kExitOk) << text << ": " << err.str();
  return "map " + Sha256(ReadFile(dir.path() / "guard.swd")) + " bmp " +
         Sha256(ReadFile(dir.path() / "guard.bmp")) + " draws " +
         DrawsOf(dir.path() / "steps" / "steps.txt");
}

std::map<std::string, std::string> ReadExpected() {
  std::map<std::string, std::string> expected;
  std::ifstream in(kExpected);
  for (std::string line; std::getline(in, line);) {
    const auto bar = line.find(" | ");
    if (bar != std::string::npos) expected[line.substr(0, bar)] = line.substr(bar + 3);
  }
  return expected;
}

TEST(SameBytes, EveryRecordedRunGivesItsBytesAndDraws) {
  if (std::getenv("SWDGEN_GUARD_RECORD") != nullptr) {
    std::ofstream record(kExpected);
    for (const char* c : kCases)
      record << c << " | " << Outcome(c) << '\n';
    GTEST_SKIP() << "recorded " << std::size(kCases) << " runs into " << kExpected;
  }
  const auto expected = ReadExpected();
  ASSERT_EQ(expected.size(), std::size(kCases)) << "the guard data and the cases differ";
  for (const char* c : kCases) {
    const auto it = expected.find(c);
    ASSERT_NE(it, expected.end()) << "no recorded outcome for: " << c;
    EXPECT_EQ(Outcome(c), it->second) << c;
  }
}

}  // namespace
}  // namespace swd::cli
