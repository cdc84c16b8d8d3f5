#include "cli/map_input.hpp"

#include "io/file_read.hpp"

namespace swd::cli {

namespace {

// The largest map there is.
constexpr std::uintmax_t kLargestMap = SwdFileSize(kLargestSide, kLargestSide);

// Why a file could not be read, by what the reader found.
Message ReadProblem(FileReadProblem problem) {
  switch (problem) {
    case FileReadProblem::None:
      break;
    case FileReadProblem::Missing:
      return MessageKey::MapFileMissing;
    case FileReadProblem::NotAFile:
      return MessageKey::MapFileNotAFile;
    case FileReadProblem::TooLarge:
      return {MessageKey::MapFileTooLarge, {Message::Number(kLargestMap)}};
    case FileReadProblem::NoPermission:
      return MessageKey::MapFileNoPermission;
    case FileReadProblem::Unreadable:
      return MessageKey::MapFileUnreadable;
  }
  return {};
}

}  // namespace

MapInput LoadMapFile(const std::filesystem::path& file) {
  if (file.empty()) return {std::nullopt, MessageKey::NoFileGiven};
  // Room beyond the largest map for the parser to name a few bytes too many.
  const FileRead read = ReadWholeFile(file, kLargestMap + 4096);
  Message why = ReadProblem(read.problem);
  if (why.empty()) {
    SwdMapRead parsed = ReadSwdMap(read.bytes);
    if (parsed.map) return {std::move(parsed.map), {}};
    why = {MessageKey::MapFileDamaged, {Message::Verbatim(parsed.problem)}};
  }
  return {std::nullopt, {MessageKey::CliOption, {Message::Verbatim(file.string()), why}}};
}

std::vector<MapFault> FindMapFaults(const SwdHeader& header) {
  std::vector<MapFault> faults;
  const auto even_in_range = [](int side) {
    return side % 2 == 0 && side >= kSmallestSide && side <= kLargestSide;
  };
  if (!even_in_range(header.width) || !even_in_range(header.height)) {
    faults.push_back({{MessageKey::MapSizeUnplayable,
                       {Message::Number(header.width), Message::Number(header.height),
                        Message::Number(kSmallestSide), Message::Number(kLargestSide)}}});
  }
  for (int p = 1; p <= header.player_count && p <= 7; ++p) {
    const auto& x = header.hq_x[p];
    const auto& y = header.hq_y[p];
    if (!x || !y) {
      faults.push_back({{MessageKey::MapHeadquartersMissing,
                         {Message::Number(p), Message::Number(header.player_count)}},
                        true});
    } else if (*x >= header.width || *y >= header.height) {
      faults.push_back({{MessageKey::MapHeadquartersOutside,
                         {Message::Number(p), Message::Number(*x), Message::Number(*y),
                          Message::Number(header.width), Message::Number(header.height)}},
                        true});
    }
  }
  return faults;
}

Message UnknownTerrainText(const UnknownTerrain& unknown) {
  std::vector<Message> first = {Message::Number(unknown.first_code),
                                Message::Number(unknown.first_x), Message::Number(unknown.first_y)};
  if (unknown.triangles == 1) return {MessageKey::CliTerrainUnknownOne, std::move(first)};
  first.insert(first.begin(), Message::Number(unknown.triangles));
  return {MessageKey::CliTerrainUnknownMany, std::move(first)};
}

}  // namespace swd::cli
