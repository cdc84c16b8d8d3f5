#include "model/map_code.hpp"

#include <algorithm>
#include <cctype>
#include <vector>

#include "model/setting_table.hpp"
#include "model/settings_check.hpp"

namespace swd {

namespace {

constexpr std::string_view kPrefix = "SWD";
constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kBitsPerCharacter = 5;
constexpr int kSeedBits = 32;
constexpr int kPictureHashBits = 20;
// The checksum: a CRC whose polynomial is (x + 1) times a primitive one of degree 19,
// x^20 + x^19 + x^6 + 1. It finds every error within 20 bits in a row (any one character,
// two swapped neighbours) and every odd number of wrong bits.
constexpr int kChecksumBits = 20;
constexpr std::uint32_t kChecksumPolynomial = 0x80041;  // without the x^20 term
constexpr std::uint32_t kChecksumMask = (1u << kChecksumBits) - 1;

using Bits = std::vector<bool>;

// A whole number of any size, 32-bit limbs, least significant first.
class Number {
 public:
  bool IsZero() const {
    return std::all_of(limbs_.begin(), limbs_.end(), [](std::uint32_t l) { return l == 0; });
  }
  void MultiplyAdd(std::uint32_t factor, std::uint32_t add) {
    std::uint64_t carry = add;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t v = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(v);
      carry = v >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }
  // Divides by `divisor` and returns the remainder.
  std::uint32_t DivideBy(std::uint32_t divisor) {
    std::uint64_t rest = 0;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
      const std::uint64_t v = (rest << 32) | *limb;
      *limb = static_cast<std::uint32_t>(v / divisor);
      rest = v % divisor;
    }
    return static_cast<std::uint32_t>(rest);
  }
  // The bits, most significant first, without leading zeros.
  Bits ToBits() const {
    Bits bits;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
      for (int b = 31; b >= 0; --b)
        bits.push_back(((*limb >> b) & 1u) != 0);
    }
    const auto first = std::find(bits.begin(), bits.end(), true);
    return Bits(first, bits.end());
  }
  static Number FromBits(const Bits& bits) {
    Number n;
    for (const bool bit : bits)
      n.MultiplyAdd(2, bit ? 1 : 0);
    return n;
  }

 private:
  std::vector<std::uint32_t> limbs_;
};

void AppendBits(Bits& bits, std::uint32_t value, int count) {
  for (int b = count - 1; b >= 0; --b)
    bits.push_back(((value >> b) & 1u) != 0);
}

std::uint32_t ReadBits(const Bits& bits, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i)
    value = (value << 1) | (bits[at + i] ? 1u : 0u);
  return value;
}

std::uint32_t Checksum(const Bits& bits) {
  std::uint32_t crc = kChecksumMask;
  Bits all;
  AppendBits(all, kMapCodeVersion, 8);
  all.insert(all.end(), bits.begin(), bits.end());
  for (const bool bit : all) {
    const bool top = ((crc >> (kChecksumBits - 1)) & 1u) != 0;
    crc = (crc << 1) & kChecksumMask;
    if (top != bit) crc ^= kChecksumPolynomial;
  }
  return crc;
}

// One digit of the settings number: its row and how many values it has.
struct Place {
  const SettingRow* row;
  std::uint32_t count;
};

// The rows in the order of their code places.
std::vector<const SettingRow*> RowsByPlace() {
  std::vector<const SettingRow*> rows;
  for (const SettingRow& row : SettingRows())
    rows.push_back(&row);
  std::sort(rows.begin(), rows.end(),
            [](const SettingRow* a, const SettingRow* b) { return a->code_place < b->code_place; });
  return rows;
}

// The places of a code of these settings: the picture has one only where they build from a
// picture.
std::vector<Place> Places(const GeneratorSettings& effective) {
  std::vector<Place> places;
  for (const SettingRow* row : RowsByPlace()) {
    if (row->type != SettingType::Picture) {
      places.push_back({row, static_cast<std::uint32_t>(ValueCount(*row))});
    } else if (effective.land_shape == LandShape::Picture) {
      places.push_back({row, 1u << kPictureHashBits});
    }
  }
  return places;
}

std::uint32_t DigitOf(const SettingRow& row, const GeneratorSettings& s) {
  const int count = ValueCount(row);
  const int index = ValueIndex(row, ValueOf(row, s));
  return static_cast<std::uint32_t>((std::max(index, 0) - ValueIndex(row, row.initial) + count) %
                                    count);
}

int ValueOfDigit(const SettingRow& row, std::uint32_t digit) {
  const int count = ValueCount(row);
  return ValueAt(row, (ValueIndex(row, row.initial) + static_cast<int>(digit)) % count);
}

// The characters of the code after its prefix, as bits; a problem for any other character.
Message BodyBits(std::string_view body, Bits& bits) {
  for (const char c : body) {
    if (c == '-') continue;
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == 'I' || upper == 'L') upper = '1';
    if (upper == 'O') upper = '0';
    const auto at = kAlphabet.find(upper);
    if (at == std::string_view::npos) {
      return {MessageKey::CodeBadCharacter, {Message::Verbatim(std::string(1, c))}};
    }
    AppendBits(bits, static_cast<std::uint32_t>(at), kBitsPerCharacter);
  }
  return {};
}

std::string Trimmed(std::string_view text) {
  std::string s;
  for (const char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) s += c;
  }
  return s;
}

}  // namespace

std::string EncodeMapCode(const GeneratorSettings& settings, std::uint32_t seed,
                          std::optional<std::uint32_t> picture_hash) {
  const GeneratorSettings e = EffectiveSettings(settings);
  const std::vector<Place> places = Places(e);
  Number number;
  for (auto p = places.rbegin(); p != places.rend(); ++p) {
    const std::uint32_t digit = p->row->type == SettingType::Picture
                                    ? picture_hash.value_or(0) & (p->count - 1)
                                    : DigitOf(*p->row, e);
    number.MultiplyAdd(p->count, digit);
  }
  Bits bits = number.ToBits();
  const std::size_t total = bits.size() + kSeedBits + kChecksumBits;
  const std::size_t padding = (kBitsPerCharacter - total % kBitsPerCharacter) % kBitsPerCharacter;
  bits.insert(bits.begin(), padding, false);
  AppendBits(bits, seed, kSeedBits);
  AppendBits(bits, Checksum(bits), kChecksumBits);
  std::string code = std::string(kPrefix) + std::to_string(kMapCodeVersion) + "-";
  for (std::size_t at = 0; at < bits.size(); at += kBitsPerCharacter)
    code += kAlphabet[ReadBits(bits, at, kBitsPerCharacter)];
  return code;
}

MapCodeRead DecodeMapCode(std::string_view text) {
  const std::string code = Trimmed(text);
  auto refused = [](Message problem) { return MapCodeRead{std::nullopt, std::move(problem)}; };
  if (code.empty()) return refused(MessageKey::CodeEmpty);
  std::size_t at = 0;
  while (at < kPrefix.size() && at < code.size() &&
         std::toupper(static_cast<unsigned char>(code[at])) == kPrefix[at])
    ++at;
  std::size_t digits = at;
  while (digits < code.size() && std::isdigit(static_cast<unsigned char>(code[digits])))
    ++digits;
  if (at < kPrefix.size() || digits == at || digits >= code.size() || code[digits] != '-') {
    return refused({MessageKey::CodeNoPrefix, {Message::Verbatim(code)}});
  }
  const std::string version = code.substr(at, digits - at);
  if (version != std::to_string(kMapCodeVersion)) {
    return refused({MessageKey::CodeUnknownVersion,
                    {Message::Verbatim(version), Message::Number(kMapCodeVersion)}});
  }
  Bits bits;
  if (Message problem = BodyBits(std::string_view(code).substr(digits + 1), bits);
      !problem.empty()) {
    return refused(std::move(problem));
  }
  if (code.size() > kMapCodeMaxLength) {
    return refused({MessageKey::CodeTooLong, {Message::Number(kMapCodeMaxLength)}});
  }
  if (bits.size() < kSeedBits + kChecksumBits) return refused(MessageKey::CodeTooShort);
  const std::size_t data = bits.size() - kChecksumBits;
  const std::uint32_t checksum = ReadBits(bits, data, kChecksumBits);
  bits.resize(data);
  if (Checksum(bits) != checksum) return refused(MessageKey::CodeChecksum);

  MapCode read;
  read.seed = ReadBits(bits, data - kSeedBits, kSeedBits);
  bits.resize(data - kSeedBits);
  Number number = Number::FromBits(bits);
  GeneratorSettings& s = read.settings;
  // The places in order: whether the picture has one follows from the shape before it.
  for (const SettingRow* row : RowsByPlace()) {
    if (row->type != SettingType::Picture) {
      SetValue(*row, s,
               ValueOfDigit(*row, number.DivideBy(static_cast<std::uint32_t>(ValueCount(*row)))));
    } else if (EffectiveSettings(s).land_shape == LandShape::Picture) {
      read.picture_hash = number.DivideBy(1u << kPictureHashBits);
    }
  }
  if (!number.IsZero()) return refused(MessageKey::CodeNewerSettings);
  // The rows' values cannot leave their ranges; the shares can miss their sum. The picture
  // is the caller's to ask for.
  GeneratorSettings checked = s;
  checked.PicturePath = "-";
  if (Message problem = CheckSettings(checked); !problem.empty()) {
    return refused({MessageKey::CodeBadSettings, {problem}});
  }
  return {read, {}};
}

std::uint32_t PictureHash(std::span<const std::uint8_t> pixels) {
  // FNV-1a, folded to the bits a code holds.
  std::uint32_t h = 2166136261u;
  for (const std::uint8_t p : pixels) {
    h ^= p;
    h *= 16777619u;
  }
  return ((h >> kPictureHashBits) ^ h) & ((1u << kPictureHashBits) - 1);
}

Message CheckCodePicture(const MapCode& code, std::span<const std::uint8_t> pixels,
                         const std::string& path) {
  if (!code.picture_hash || PictureHash(pixels) == *code.picture_hash) return {};
  return {MessageKey::CodePictureDiffers, {Message::Verbatim(path)}};
}

}  // namespace swd
