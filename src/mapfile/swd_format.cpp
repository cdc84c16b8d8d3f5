#include "mapfile/swd_format.hpp"

#include <algorithm>
#include <cstring>

#include "io/byte_io.hpp"

namespace swd {

namespace {

// Where a field lies in its part of the file, the header or a block head: its offset and
// length in bytes. The writer and the reader both go by these tables.
struct Field {
  std::size_t at;
  std::size_t size;
};

constexpr char kMagic[] = "WORLD_V1.0";
constexpr Field kMagicField{0, 10};
constexpr Field kTitleField{10, 20};
constexpr Field kWidthField{30, 2};
constexpr Field kHeightField{32, 2};
constexpr Field kTypeField{34, 1};
constexpr Field kPlayersField{35, 1};
constexpr Field kAuthorField{36, 20};
constexpr Field kHqXField{56, 2};  // player 1; players 2..7 follow every two bytes
constexpr Field kHqYField{70, 2};
constexpr unsigned kNoHeadquarters = 0xFFFF;
// The header ends in the first four fields of a block head, marked 10001.
constexpr std::size_t kHeaderTail = 2342;
constexpr unsigned kHeaderTailMark = 10001;

constexpr Field kBlockMarkField{0, 2};
constexpr Field kBlockZeroField{2, 4};
constexpr Field kBlockWidthField{6, 2};
constexpr Field kBlockHeightField{8, 2};
constexpr Field kBlockOneField{10, 2};
constexpr Field kBlockLengthField{12, 4};
constexpr unsigned kBlockMark = 10000;

void SetField(std::uint8_t* part, Field f, std::uint32_t v) {
  if (f.size == 1) {
    part[f.at] = static_cast<std::uint8_t>(v);
  } else if (f.size == 2) {
    SetU16(part + f.at, v);
  } else {
    SetU32(part + f.at, v);
  }
}

std::uint32_t GetField(const std::uint8_t* part, Field f) {
  if (f.size == 1) return part[f.at];
  return f.size == 2 ? GetU16(part + f.at) : GetU32(part + f.at);
}

// Zero-padded; a text of the field's full length has no closing zero.
void SetText(std::uint8_t* part, Field f, const std::string& text) {
  std::copy_n(text.begin(), std::min(text.size(), f.size), part + f.at);
}

std::string GetText(const std::uint8_t* part, Field f) {
  const auto* p = reinterpret_cast<const char*>(part + f.at);
  return std::string(p, std::find(p, p + f.size, '\0'));
}

// The four fields the header's tail shares with every block head.
void SetBlockStart(std::uint8_t* part, unsigned mark, int w, int h) {
  SetField(part, kBlockMarkField, mark);
  SetField(part, kBlockZeroField, 0);
  SetField(part, kBlockWidthField, static_cast<std::uint32_t>(w));
  SetField(part, kBlockHeightField, static_cast<std::uint32_t>(h));
}

bool BlockStartIs(const std::uint8_t* part, unsigned mark, int w, int h) {
  return GetField(part, kBlockMarkField) == mark && GetField(part, kBlockZeroField) == 0 &&
         GetField(part, kBlockWidthField) == static_cast<std::uint32_t>(w) &&
         GetField(part, kBlockHeightField) == static_cast<std::uint32_t>(h);
}

}  // namespace

void AppendSwdHeader(std::vector<std::uint8_t>& out, const SwdHeader& header) {
  const std::size_t start = out.size();
  out.resize(start + kSwdHeaderSize, 0);
  std::uint8_t* part = out.data() + start;
  std::memcpy(part + kMagicField.at, kMagic, kMagicField.size);
  SetText(part, kTitleField, header.title_cp437.substr(0, kTitleField.size - 1));
  SetField(part, kWidthField, static_cast<std::uint32_t>(header.width));
  SetField(part, kHeightField, static_cast<std::uint32_t>(header.height));
  SetField(part, kTypeField, static_cast<std::uint32_t>(header.landscape_type));
  SetField(part, kPlayersField, static_cast<std::uint32_t>(header.player_count));
  SetText(part, kAuthorField, header.author_cp437);
  for (int p = 1; p <= 7; ++p) {
    const std::size_t at = 2 * static_cast<std::size_t>(p - 1);
    SetU16(part + kHqXField.at + at, header.hq_x[p] ? *header.hq_x[p] : kNoHeadquarters);
    SetU16(part + kHqYField.at + at, header.hq_y[p] ? *header.hq_y[p] : kNoHeadquarters);
  }
  SetBlockStart(part + kHeaderTail, kHeaderTailMark, header.width, header.height);
}

void AppendSwdBlock(std::vector<std::uint8_t>& out, int w, int h, const std::uint8_t* plane,
                    int plane_stride) {
  const std::size_t start = out.size();
  out.resize(start + kSwdBlockHeaderSize, 0);
  std::uint8_t* part = out.data() + start;
  SetBlockStart(part, kBlockMark, w, h);
  SetField(part, kBlockOneField, 1);
  SetField(part, kBlockLengthField, static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h));
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* row = plane + static_cast<std::size_t>(y) * plane_stride;
    out.insert(out.end(), row, row + w);
  }
}

SwdParse ParseSwd(const std::vector<std::uint8_t>& bytes) {
  SwdParse result;
  auto fail = [&](std::string why) {
    result.problem = std::move(why);
    return result;
  };
  if (bytes.size() < kSwdHeaderSize) {
    return fail("Die Datei ist zu kurz für eine Karte (" + std::to_string(bytes.size()) +
                " Bytes, der Kopf allein hat 2352).");
  }
  const std::uint8_t* p = bytes.data();
  if (std::memcmp(p + kMagicField.at, kMagic, kMagicField.size) != 0) {
    return fail("Die Datei beginnt nicht mit \"WORLD_V1.0\" und ist keine SWD-Karte.");
  }
  SwdHeader h;
  h.title_cp437 = GetText(p, kTitleField);
  h.width = static_cast<int>(GetField(p, kWidthField));
  h.height = static_cast<int>(GetField(p, kHeightField));
  h.landscape_type = static_cast<int>(GetField(p, kTypeField));
  h.player_count = static_cast<int>(GetField(p, kPlayersField));
  h.author_cp437 = GetText(p, kAuthorField);
  for (int pl = 1; pl <= 7; ++pl) {
    const std::size_t at = 2 * static_cast<std::size_t>(pl - 1);
    const unsigned x = GetU16(p + kHqXField.at + at);
    const unsigned y = GetU16(p + kHqYField.at + at);
    if (x != kNoHeadquarters) h.hq_x[pl] = static_cast<std::uint16_t>(x);
    if (y != kNoHeadquarters) h.hq_y[pl] = static_cast<std::uint16_t>(y);
  }
  if (h.width == 0 || h.height == 0) return fail("Die Karte hat die Größe 0.");
  if (h.landscape_type > 2) {
    return fail("Der Landschaftstyp " + std::to_string(h.landscape_type) + " ist unbekannt.");
  }
  if (h.player_count > 7) {
    return fail("Die Karte nennt " + std::to_string(h.player_count) +
                " Spieler, möglich sind höchstens 7.");
  }
  if (!BlockStartIs(p + kHeaderTail, kHeaderTailMark, h.width, h.height)) {
    return fail("Der zweite Teil des Kopfes (Byte 2342 bis 2351) passt nicht zur Karte.");
  }
  const std::size_t expected = SwdFileSize(h.width, h.height);
  const std::size_t data = static_cast<std::size_t>(h.width) * h.height;
  std::size_t at = kSwdHeaderSize;
  for (int block = 1; block <= kSwdBlockCount; ++block) {
    if (bytes.size() < at + kSwdBlockHeaderSize) {
      return fail("Die Datei endet vor Datenblock " + std::to_string(block) + ".");
    }
    const std::uint8_t* b = p + at;
    if (!BlockStartIs(b, kBlockMark, h.width, h.height) || GetField(b, kBlockOneField) != 1 ||
        GetField(b, kBlockLengthField) != data) {
      return fail("Der Kopf von Datenblock " + std::to_string(block) + " ist beschädigt.");
    }
    at += kSwdBlockHeaderSize + data;
    if (bytes.size() < at) {
      return fail("Datenblock " + std::to_string(block) + " ist unvollständig.");
    }
  }
  if (bytes.size() < at + 1 || bytes[at] != 0xFF) {
    return fail("Das abschließende Byte 0xFF fehlt.");
  }
  if (bytes.size() != expected) {
    return fail("Die Datei ist " + std::to_string(bytes.size()) + " Bytes groß, erwartet sind " +
                std::to_string(expected) + ".");
  }
  result.header = std::move(h);
  return result;
}

}  // namespace swd
