#include "cli/map_input.hpp"

#include "io/file_read.hpp"

namespace swd::cli {

MapInput LoadMapFile(const std::filesystem::path& file) {
  // The largest map there is, and room beyond it for the parser to name a few bytes too many.
  constexpr std::uintmax_t kLargestMap = SwdFileSize(256, 256);
  const FileRead read = ReadWholeFile(file, kLargestMap + 4096);
  std::string why;
  switch (read.problem) {
    case FileReadProblem::None: {
      SwdMapRead parsed = ReadSwdMap(read.bytes);
      if (parsed.map) return {std::move(parsed.map), {}};
      why = parsed.problem;
      break;
    }
    case FileReadProblem::Missing:
      why = "Die Datei gibt es nicht.";
      break;
    case FileReadProblem::NotAFile:
      why = "Das ist keine gewöhnliche Datei, sondern ein Ordner oder ein Gerät.";
      break;
    case FileReadProblem::TooLarge:
      why = "Die Datei ist größer als jede Karte (höchstens " + std::to_string(kLargestMap) +
            " Bytes).";
      break;
    case FileReadProblem::NoPermission:
      why = "Die Datei lässt sich nicht lesen: keine Leseberechtigung.";
      break;
    case FileReadProblem::Unreadable:
      why = "Die Datei lässt sich nicht lesen.";
      break;
  }
  return {std::nullopt, file.string() + ": " + why};
}

std::string UnknownTerrainText(const UnknownTerrain& unknown) {
  return (unknown.triangles == 1 ? "1 Dreieck hat"
                                 : std::to_string(unknown.triangles) + " Dreiecke haben") +
         std::string(" einen Geländecode, den das Spiel nicht kennt (zuerst ") +
         std::to_string(unknown.first_code) + " bei " + std::to_string(unknown.first_x) + ", " +
         std::to_string(unknown.first_y) + ")";
}

}  // namespace swd::cli
