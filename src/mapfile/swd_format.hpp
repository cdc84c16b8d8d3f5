#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace swd {

inline constexpr std::size_t kSwdHeaderSize = 2352;
inline constexpr std::size_t kSwdBlockHeaderSize = 16;
inline constexpr int kSwdBlockCount = 14;

inline constexpr std::size_t SwdFileSize(int w, int h) {
  return kSwdHeaderSize + kSwdBlockCount * (kSwdBlockHeaderSize + std::size_t(w) * h) + 1;
}

// Where the byte of layer `layer` at (x, y) lies in a w x h map file.
inline constexpr std::size_t SwdCellOffset(int w, int h, int layer, int x, int y) {
  return kSwdHeaderSize + std::size_t(layer) * (kSwdBlockHeaderSize + std::size_t(w) * h) +
         kSwdBlockHeaderSize + std::size_t(y) * w + x;
}

// The header fields of a map file. Headquarters of players beyond the count are absent.
struct SwdHeader {
  std::string title_cp437;   // at most 19 bytes
  std::string author_cp437;  // at most 20 bytes
  int width = 0;
  int height = 0;
  int landscape_type = 0;
  int player_count = 0;
  std::array<std::optional<std::uint16_t>, 8> hq_x{};  // entries 1..7
  std::array<std::optional<std::uint16_t>, 8> hq_y{};
};

// The program's name in the author field, where the map's code does not fit it.
inline constexpr const char* kAuthorName = "swdgen";
inline constexpr std::size_t kSwdAuthorSize = 20;

void AppendSwdHeader(std::vector<std::uint8_t>& out, const SwdHeader& header);
// One data block: its header and the w x h bytes of a plane, row by row.
void AppendSwdBlock(std::vector<std::uint8_t>& out, int w, int h, const std::uint8_t* plane,
                    int plane_stride);
inline void AppendSwdEnd(std::vector<std::uint8_t>& out) {
  out.push_back(0xFF);
}

struct SwdParse {
  std::optional<SwdHeader> header;  // set when the file is sound
  std::string problem;              // German, when it is not
};

// Checks the whole structure of a map file: header text, sizes, every block header and
// length, the closing byte and the file size.
SwdParse ParseSwd(const std::vector<std::uint8_t>& bytes);

}  // namespace swd
