#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "mapfile/mapfile_steps.hpp"
#include "mapfile/swd_format.hpp"
#include "model/generator.hpp"
#include "run/run.hpp"
#include "support/recording_host.hpp"

namespace swd {
namespace {

using test::ReadFile;
using test::RecordingHost;
using test::TempDir;

int U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8;
}
long U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return long(b[at]) | long(b[at + 1]) << 8 | long(b[at + 2]) << 16 | long(b[at + 3]) << 24;
}

// Writes a map whose layers hold recognisable bytes: layer k at (x, y) is k + x + 3y.
std::vector<std::uint8_t> WriteTestMap(int w, int h, int players, const std::string& title,
                                       const std::filesystem::path& folder) {
  RecordingHost host(folder, "probe", title);
  auto g = std::make_unique<Generator>(host);
  g->settings.MapWidth = static_cast<std::int16_t>(w);
  g->settings.MapHeight = static_cast<std::int16_t>(h);
  g->settings.PlayerCount = static_cast<std::uint8_t>(players);
  PrepareGeneration(*g);
  g->run.MapWidth = g->settings.MapWidth;
  g->run.MapHeight = g->settings.MapHeight;
  g->run.PlayerCount = static_cast<std::uint8_t>(players);
  for (int p = 1; p <= 7; ++p) {
    g->HqX[p] = static_cast<std::uint8_t>(10 + p);
    g->HqY[p] = static_cast<std::uint8_t>(20 + p);
  }
  for (int k = 0; k < kLayerCount; ++k)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        g->grid(x, y, k) = static_cast<std::uint8_t>(k + x + 3 * y);
  const WriteResult r = WriteMapFile(*g);
  EXPECT_TRUE(r.written);
  return ReadFile(folder / "probe.swd");
}

TEST(SwdFile, SizesAndBlockLayoutForSmallMediumAndLargestMaps) {
  TempDir dir;
  for (const auto& [side, size] : {std::pair{32, 16913}, {64, 59921}, {256, 920081}}) {
    SCOPED_TRACE(side);
    const auto b = WriteTestMap(side, side, 3, "Rund", dir.path());
    ASSERT_EQ(b.size(), std::size_t(size));
    EXPECT_EQ(SwdFileSize(side, side), std::size_t(size));
    EXPECT_EQ(std::string(b.begin(), b.begin() + 10), "WORLD_V1.0");
    EXPECT_EQ(U16(b, 30), side);
    EXPECT_EQ(U16(b, 32), side);
    EXPECT_EQ(U16(b, 2342), 10001);
    EXPECT_EQ(U32(b, 2344), 0);
    EXPECT_EQ(U16(b, 2348), side);
    EXPECT_EQ(U16(b, 2350), side);
    const std::size_t block = 16 + std::size_t(side) * side;
    for (int k = 0; k < 14; ++k) {
      const std::size_t at = 2352 + k * block;
      EXPECT_EQ(U16(b, at), 10000);
      EXPECT_EQ(U32(b, at + 2), 0);
      EXPECT_EQ(U16(b, at + 6), side);
      EXPECT_EQ(U16(b, at + 8), side);
      EXPECT_EQ(U16(b, at + 10), 1);
      EXPECT_EQ(U32(b, at + 12), long(side) * side);
      // First byte is (0, 0), the byte after one row is (0, 1).
      EXPECT_EQ(b[at + 16], k);
      EXPECT_EQ(b[at + 16 + side], (k + 3) & 0xFF);
    }
    EXPECT_EQ(b[b.size() - 2], (13 + (side - 1) + 3 * (side - 1)) & 0xFF);
    EXPECT_EQ(b.back(), 0xFF);
    if (side == 256) {
      EXPECT_EQ(b[30], 0x00);
      EXPECT_EQ(b[31], 0x01);
      EXPECT_EQ(U32(b, 2352 + 12), 65536);
    }
  }
}

TEST(SwdFile, HeaderFieldsAndAbsentHeadquarters) {
  TempDir dir;
  const auto b = WriteTestMap(32, 48, 3, "Sechzehn Zeichen", dir.path());
  ASSERT_EQ(b.size(), SwdFileSize(32, 48));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[10])), "Sechzehn Zeichen");
  for (int i = 26; i < 30; ++i)
    EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(b[34], 0);  // Grünland
  EXPECT_EQ(b[35], 3);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[36])), kAuthorName);
  for (int p = 1; p <= 7; ++p) {
    const int x = U16(b, 56 + 2 * (p - 1));
    const int y = U16(b, 70 + 2 * (p - 1));
    if (p <= 3) {
      EXPECT_EQ(x, 10 + p);
      EXPECT_EQ(y, 20 + p);
    } else {
      EXPECT_EQ(x, 0xFFFF);
      EXPECT_EQ(y, 0xFFFF);
    }
  }
  for (std::size_t i = 84; i < 2342; ++i)
    ASSERT_EQ(b[i], 0) << i;

  const SwdParse parsed = ParseSwd(b);
  ASSERT_TRUE(parsed.header) << parsed.problem;
  EXPECT_EQ(parsed.header->width, 32);
  EXPECT_EQ(parsed.header->height, 48);
  EXPECT_EQ(parsed.header->player_count, 3);
  EXPECT_EQ(parsed.header->hq_x[2], 12);
  EXPECT_FALSE(parsed.header->hq_x[4]);
}

TEST(SwdFile, UmlautsAreWrittenInCodePage437) {
  TempDir dir;
  const auto b = WriteTestMap(32, 32, 1, "Grüße", dir.path());
  EXPECT_EQ(b[12], 0x81);  // ü
  EXPECT_EQ(b[13], 0xE1);  // ß
}

TEST(SwdFile, ParserRefusesDamagedFiles) {
  TempDir dir;
  const auto good = WriteTestMap(32, 32, 2, "Gut", dir.path());
  ASSERT_TRUE(ParseSwd(good).header);

  auto damaged = [&](auto change) {
    auto b = good;
    change(b);
    return ParseSwd(b);
  };
  const std::vector<std::pair<const char*, std::function<void(std::vector<std::uint8_t>&)>>> cases =
      {
          {"truncated", [](auto& b) { b.resize(b.size() - 100); }},
          {"empty", [](auto& b) { b.clear(); }},
          {"header only", [](auto& b) { b.resize(2352); }},
          {"wrong magic", [](auto& b) { b[0] = 'X'; }},
          {"no closing byte", [](auto& b) { b.back() = 0; }},
          {"trailing bytes", [](auto& b) { b.push_back(0); }},
          {"block length", [](auto& b) { b[2352 + 5 * (16 + 1024) + 12] = 1; }},
          {"block tag", [](auto& b) { b[2352 + 13 * (16 + 1024)] = 0; }},
          {"sizes disagree", [](auto& b) { b[30] = 33; }},
          {"landscape type", [](auto& b) { b[34] = 3; }},
          {"second size differs", [](auto& b) { b[2348] = 48; }},
          {"player count", [](auto& b) { b[35] = 9; }},
      };
  for (const auto& [what, change] : cases) {
    const SwdParse p = damaged(change);
    EXPECT_FALSE(p.header) << what;
    EXPECT_FALSE(p.problem.empty()) << what;
  }
}

TEST(SwdFile, ALongerOldFileIsReplacedWhole) {
  TempDir dir;
  WriteTestMap(64, 64, 3, "Alt", dir.path());
  const auto b = WriteTestMap(32, 32, 3, "Neu", dir.path());
  EXPECT_EQ(b.size(), SwdFileSize(32, 32));
  EXPECT_TRUE(ParseSwd(b).header);
}

}  // namespace
}  // namespace swd
