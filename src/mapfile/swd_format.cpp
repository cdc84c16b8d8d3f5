#include "mapfile/swd_format.hpp"

#include <cstring>

#include "mapfile/byte_io.hpp"

namespace swd {

namespace {
constexpr char kMagic[] = "WORLD_V1.0";
constexpr std::size_t kMagicSize = 10;

void PutText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t field) {
  for (std::size_t i = 0; i < field; ++i) {
    out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
  }
}

std::string GetText(const std::uint8_t* p, std::size_t field) {
  std::size_t n = 0;
  while (n < field && p[n] != 0)
    ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}
}  // namespace

void AppendSwdHeader(std::vector<std::uint8_t>& out, const SwdHeader& header) {
  const std::size_t start = out.size();
  out.insert(out.end(), kMagic, kMagic + kMagicSize);
  PutText(out, header.title_cp437.substr(0, 19), 20);
  PutU16(out, static_cast<unsigned>(header.width));
  PutU16(out, static_cast<unsigned>(header.height));
  out.push_back(static_cast<std::uint8_t>(header.landscape_type));
  out.push_back(static_cast<std::uint8_t>(header.player_count));
  PutText(out, header.author_cp437.substr(0, 20), 20);
  for (const auto* list : {&header.hq_x, &header.hq_y}) {
    for (int p = 1; p <= 7; ++p)
      PutU16(out, (*list)[p] ? *(*list)[p] : 0xFFFF);
  }
  out.resize(start + 2342, 0);
  PutU16(out, 10001);
  PutU32(out, 0);
  PutU16(out, static_cast<unsigned>(header.width));
  PutU16(out, static_cast<unsigned>(header.height));
}

void AppendSwdBlock(std::vector<std::uint8_t>& out, int w, int h, const std::uint8_t* plane,
                    int plane_stride) {
  PutU16(out, 10000);
  PutU32(out, 0);
  PutU16(out, static_cast<unsigned>(w));
  PutU16(out, static_cast<unsigned>(h));
  PutU16(out, 1);
  PutU32(out, static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h));
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
  if (std::memcmp(p, kMagic, kMagicSize) != 0) {
    return fail("Die Datei beginnt nicht mit \"WORLD_V1.0\" und ist keine SWD-Karte.");
  }
  SwdHeader h;
  h.title_cp437 = GetText(p + 10, 20);
  h.width = static_cast<int>(GetU16(p + 30));
  h.height = static_cast<int>(GetU16(p + 32));
  h.landscape_type = p[34];
  h.player_count = p[35];
  h.author_cp437 = GetText(p + 36, 20);
  for (int pl = 1; pl <= 7; ++pl) {
    const unsigned x = GetU16(p + 56 + 2 * (pl - 1));
    const unsigned y = GetU16(p + 70 + 2 * (pl - 1));
    if (x != 0xFFFF) h.hq_x[pl] = static_cast<std::uint16_t>(x);
    if (y != 0xFFFF) h.hq_y[pl] = static_cast<std::uint16_t>(y);
  }
  if (h.width == 0 || h.height == 0) return fail("Die Karte hat die Größe 0.");
  if (h.landscape_type > 2) {
    return fail("Der Landschaftstyp " + std::to_string(h.landscape_type) + " ist unbekannt.");
  }
  if (h.player_count > 7) {
    return fail("Die Karte nennt " + std::to_string(h.player_count) +
                " Spieler, möglich sind höchstens 7.");
  }
  if (GetU16(p + 2342) != 10001 || GetU32(p + 2344) != 0 ||
      GetU16(p + 2348) != static_cast<unsigned>(h.width) ||
      GetU16(p + 2350) != static_cast<unsigned>(h.height)) {
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
    if (GetU16(b) != 10000 || GetU32(b + 2) != 0 ||
        GetU16(b + 6) != static_cast<unsigned>(h.width) ||
        GetU16(b + 8) != static_cast<unsigned>(h.height) || GetU16(b + 10) != 1 ||
        GetU32(b + 12) != data) {
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
