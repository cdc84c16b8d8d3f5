#include "model/map_code.hpp"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "model/setting_table.hpp"

namespace swd {
namespace {

// Settings with every row at a value of its own (the picture aside), as a code must carry
// them: each row's value drawn among its values by `pick`.
// The resource shares add up to 100 and the picture shape needs a picture (its own test), so
// `pick`'s shares are scaled to 100 and its picture shape becomes a ring.
template <typename Pick>
GeneratorSettings SettingsWith(Pick pick) {
  GeneratorSettings s;
  for (const SettingRow& row : SettingRows()) {
    if (row.type != SettingType::Picture) SetValue(row, s, ValueAt(row, pick(row)));
  }
  if (s.land_shape == LandShape::Picture) s.land_shape = LandShape::Ring;
  ResourceShareSet& r = s.ResourceShares;
  if (r.coal + r.gold + r.iron + r.granite == 0) r.coal = 1;
  const int sum = r.coal + r.gold + r.iron + r.granite;
  r = {r.coal * 100 / sum, r.gold * 100 / sum, r.iron * 100 / sum, 0};
  r.granite = 100 - r.coal - r.gold - r.iron;
  return s;
}

bool SameSettings(const GeneratorSettings& a, const GeneratorSettings& b) {
  for (const SettingRow& row : SettingRows()) {
    if (ValueOf(row, a) != ValueOf(row, b)) return false;
  }
  return true;
}

TEST(SettingTable, RowsAreWholeAndTheirDefaultsAreTheNewSettings) {
  const GeneratorSettings fresh;
  std::set<int> places;
  std::set<std::pair<std::string_view, std::string_view>> names;
  for (const SettingRow& row : SettingRows()) {
    const std::string what = std::string(row.key) + "/" + std::string(row.member);
    EXPECT_TRUE(names.insert({row.key, row.member}).second) << what << " twice";
    EXPECT_TRUE(places.insert(row.code_place).second) << what << ": code place taken";
    if (row.type == SettingType::Picture) continue;
    EXPECT_GE(ValueIndex(row, row.initial), 0) << what << ": default not among its values";
    EXPECT_EQ(ValueOf(row, fresh), row.initial) << what;
    if (row.type == SettingType::Choice) {
      EXPECT_EQ(ValueCount(row), std::ssize(row.choices)) << what;
    }
    // The members of one key stand together, as options and forms list them.
    const std::span<const SettingRow> key = RowsOfKey(row.key);
    EXPECT_TRUE(&row >= key.data() && &row < key.data() + key.size()) << what;
  }
  // Code places run 0..n-1: a gap would waste a digit, a new row takes the next place.
  EXPECT_EQ(*places.rbegin(), static_cast<int>(places.size()) - 1);
}

TEST(SettingTable, EveryKeysTextReadsBackToTheSameSettings) {
  std::mt19937 draw(7);
  for (int round = 0; round < 20; ++round) {
    const GeneratorSettings s = SettingsWith([&](const SettingRow& row) {
      return std::uniform_int_distribution<int>(0, ValueCount(row) - 1)(draw);
    });
    GeneratorSettings read;
    for (const SettingRow& row : SettingRows()) {
      if (!row.member.empty() && &row != RowsOfKey(row.key).data()) continue;
      const std::string text = KeyText(row.key, s);
      if (row.form == SettingForm::Keyed && text.empty()) continue;
      EXPECT_TRUE(ReadKeyText(row.key, text, read).empty()) << row.key << " " << text;
    }
    EXPECT_TRUE(SameSettings(s, read)) << round;
  }
  GeneratorSettings s;
  EXPECT_FALSE(ReadKeyText("width", "33", s).empty());
  EXPECT_FALSE(ReadKeyText("resources", "50,50,0", s).empty());
  EXPECT_FALSE(ReadKeyText("amount", "11=3", s).empty());
  EXPECT_FALSE(ReadKeyText("shape", "kreis", s).empty());
  EXPECT_TRUE(SameSettings(s, GeneratorSettings{})) << "a refused text changed the settings";
}

TEST(MapCode, CarriesEverySettingAndSeedAndStaysShort) {
  // The defaults with any seed: at most 16 characters.
  for (const std::uint32_t seed : {0u, 1u, 4294967295u}) {
    const std::string code = EncodeMapCode(GeneratorSettings{}, seed);
    EXPECT_LE(code.size(), 16u) << code;
    const MapCodeRead read = DecodeMapCode(code);
    ASSERT_TRUE(read.code) << code << ": " << read.problem.German();
    EXPECT_EQ(read.code->seed, seed);
    EXPECT_TRUE(SameSettings(read.code->settings, GeneratorSettings{}));
  }
  // Each row at its lowest and highest value alone, every row at its far end, random mixes:
  // the code gives them back, at most 64 characters long.
  std::vector<GeneratorSettings> cases;
  for (const SettingRow& row : SettingRows()) {
    if (row.type == SettingType::Picture) continue;
    for (const int end : {0, ValueCount(row) - 1}) {
      cases.push_back(SettingsWith(
          [&](const SettingRow& r) { return &r == &row ? end : ValueIndex(r, r.initial); }));
      cases.back().CheckErwEinst = true;
    }
  }
  cases.push_back(SettingsWith(
      [](const SettingRow& row) { return (row.initial == row.lo ? ValueCount(row) - 1 : 0); }));
  std::mt19937 draw(11);
  for (int i = 0; i < 30; ++i) {
    cases.push_back(SettingsWith([&](const SettingRow& row) {
      return std::uniform_int_distribution<int>(0, ValueCount(row) - 1)(draw);
    }));
  }
  std::set<std::string> codes;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto seed = static_cast<std::uint32_t>(draw());
    const std::string code = EncodeMapCode(cases[i], seed);
    EXPECT_LE(code.size(), kMapCodeMaxLength) << code;
    EXPECT_TRUE(codes.insert(code).second) << code << " made twice";
    const MapCodeRead read = DecodeMapCode(code);
    ASSERT_TRUE(read.code) << i << " " << code << ": " << read.problem.German();
    EXPECT_EQ(read.code->seed, seed) << code;
    EXPECT_TRUE(SameSettings(read.code->settings, EffectiveSettings(cases[i]))) << i << " " << code;
  }
}

TEST(MapCode, ReadAsPeopleTypeItAndEveryTypingSlipCaught) {
  GeneratorSettings s;
  s.PlayerCount = 5;
  s.fair_starts = true;
  const std::string code = EncodeMapCode(s, 123456);
  // Either case, O for 0 and I or L for 1, dashes to group the characters.
  std::string loose = code;
  for (char& c : std::span(loose).subspan(5)) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c == '0') c = 'o';
    if (c == '1') c = 'l';
  }
  loose.insert(loose.size() - 4, "-");
  const MapCodeRead read = DecodeMapCode(loose);
  ASSERT_TRUE(read.code) << loose << ": " << read.problem.German();
  EXPECT_EQ(read.code->seed, 123456u);
  EXPECT_TRUE(SameSettings(read.code->settings, s));

  // Every character changed to every other, two neighbours swapped, one left out: refused.
  static constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
  for (std::size_t at = 5; at < code.size(); ++at) {
    for (const char c : kDigits) {
      if (c == code[at]) continue;
      std::string typo = code;
      typo[at] = c;
      EXPECT_FALSE(DecodeMapCode(typo).code) << typo;
    }
    std::string left_out = code;
    left_out.erase(at, 1);
    EXPECT_FALSE(DecodeMapCode(left_out).code) << left_out;
    if (at + 1 < code.size() && code[at] != code[at + 1]) {
      std::string swapped = code;
      std::swap(swapped[at], swapped[at + 1]);
      EXPECT_FALSE(DecodeMapCode(swapped).code) << swapped;
    }
  }
}

TEST(MapCode, WhatIsWrongIsSaid) {
  const std::string good = EncodeMapCode(GeneratorSettings{}, 42);
  const struct {
    std::string text;
    MessageKey says;
  } bad[] = {
      {"", MessageKey::CodeEmpty},
      {"XYZ1-0000", MessageKey::CodeNoPrefix},
      {"SWD9-" + good.substr(5), MessageKey::CodeUnknownVersion},
      {good + "U", MessageKey::CodeBadCharacter},
      {"SWD1-" + std::string(70, '0'), MessageKey::CodeTooLong},
      {good.substr(0, good.size() - 1) + (good.back() == 'A' ? "B" : "A"),
       MessageKey::CodeChecksum},
  };
  for (const auto& [text, says] : bad) {
    const MapCodeRead read = DecodeMapCode(text);
    EXPECT_FALSE(read.code) << text;
    EXPECT_EQ(read.problem.key(), says) << text << ": " << read.problem.German();
  }
}

TEST(MapCode, APictureShapeNeedsItsOwnPicture) {
  GeneratorSettings s;
  s.CheckErwEinst = true;
  s.land_shape = LandShape::Picture;
  const std::vector<std::uint8_t> picture(64 * 64, 3);
  std::vector<std::uint8_t> other = picture;
  other[100] = 4;
  const MapCodeRead read = DecodeMapCode(EncodeMapCode(s, 9, PictureHash(picture)));
  ASSERT_TRUE(read.code) << read.problem.German();
  EXPECT_EQ(read.code->picture_hash, PictureHash(picture));
  EXPECT_TRUE(CheckCodePicture(*read.code, picture, "a.bmp").empty());
  EXPECT_EQ(CheckCodePicture(*read.code, other, "b.bmp").key(), MessageKey::CodePictureDiffers);
}

}  // namespace
}  // namespace swd
